<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>pelimor::BurnRate</name>
    <message>
        <source>%1 MB/s (%2x)</source>
        <translation>%1 MB/s (%2x)</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <source>%1, less than a minute left</source>
        <translation>%1，剩余不到一分钟</translation>
    </message>
    <message>
        <source>%1, about %2 min left</source>
        <translation>%1，大约还剩 %2 分钟</translation>
    </message>
</context>
<context>
    <name>pelimor::Form1</name>
    <message>
        <source>Manufacturer</source>
        <translation>制造商</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
    <message>
        <source>  Browse for ISO file</source>
        <translation>  浏览 ISO 文件</translation>
    </message>
    <message>
        <source>   Burn ISO file to CD   </source>
        <translation>   将 ISO 文件刻录到 CD   </translation>
    </message>
    <message>
        <source>Eject CD/DVD after burn</source>
        <translation>刻录后弹出 CD/DVD</translation>
    </message>
    <message>
        <source>%1 | Pelimor ISO Burn | ver. %2.%3.%4</source>
        <translation>%1 | Pelimor ISO Burn | 版本 %2.%3.%4</translation>
    </message>
    <message>
        <source>A burn is in progress. Stopping now will leave the disc unusable. Stop the burn?</source>
        <translation>正在刻录。现在停止将导致光盘无法使用。要停止刻录吗？</translation>
    </message>
    <message>
        <source>it was stopped before it had finished, and the disc is probably unusable</source>
        <translation>刻录在完成前被停止，光盘很可能已无法使用</translation>
    </message>
    <message>
        <source>it was stopped before anything was written, and the disc was not changed</source>
        <translation>刻录在写入任何数据之前被停止，光盘未被改动</translation>
    </message>
    <message>
        <source>it was stopped after the disc had been erased; nothing was written to it</source>
        <translation>刻录在光盘擦除后被停止；光盘上未写入任何内容</translation>
    </message>
    <message>
        <source>the recorder did not confirm that the image was written completely</source>
        <translation>刻录机未确认映像已完整写入</translation>
    </message>
    <message>
        <source>Select an ISO image to burn.</source>
        <translation>请选择要刻录的 ISO 映像。</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; not found!</source>
        <translation>找不到 ISO 文件“%1”！</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>No CD/DVD recorder is selected. Connect a recorder that can write CDs and start the program again.</source>
        <translation>未选择 CD/DVD 刻录机。请连接一台能刻录 CD 的刻录机，然后重新启动本程序。</translation>
    </message>
    <message>
        <source>No recorder</source>
        <translation>没有刻录机</translation>
    </message>
    <message>
        <source>The burn did not complete: %1</source>
        <translation>刻录未完成：%1</translation>
    </message>
    <message>
        <source>Burn failed</source>
        <translation>刻录失败</translation>
    </message>
    <message>
        <source>Insert the disc</source>
        <translation>请插入光盘</translation>
    </message>
    <message>
        <source>Recorder not support. Try another CDROM drive.</source>
        <translation>不支持此刻录机。请换用其他 CD 驱动器。</translation>
    </message>
    <message>
        <source>Recorder not supported</source>
        <translation>不支持的刻录机</translation>
    </message>
    <message>
        <source>No CD in drive or current media not support. Please insert a blank CD and try again.</source>
        <translation>驱动器中没有 CD，或不支持当前光盘。请插入一张空白 CD 后重试。</translation>
    </message>
    <message>
        <source>Media not supported</source>
        <translation>不支持的光盘</translation>
    </message>
    <message>
        <source>Insert a new/blank CD! Please insert a blank CD and try again.</source>
        <translation>光盘不是空白的。请插入一张新的空白 CD 后重试。</translation>
    </message>
    <message>
        <source>Media status - %1</source>
        <translation>光盘状态 - %1</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; cannot be read: %2</source>
        <translation>无法读取 ISO 文件“%1”：%2</translation>
    </message>
    <message>
        <source>File not readable</source>
        <translation>文件无法读取</translation>
    </message>
    <message>
        <source>The disc already holds data. Please insert a blank CD and try again.</source>
        <translation>光盘上已有数据。请插入一张空白 CD 后重试。</translation>
    </message>
    <message>
        <source>Media not blank</source>
        <translation>光盘非空白</translation>
    </message>
    <message>
        <source>The ISO image needs %1 MB but the disc has only %2 MB free. Please insert a larger blank disc and try again.</source>
        <translation>该 ISO 映像需要 %1 MB，但光盘只有 %2 MB 可用空间。请插入一张容量更大的空白光盘后重试。</translation>
    </message>
    <message>
        <source>Disc too small</source>
        <translation>光盘容量不足</translation>
    </message>
    <message>
        <source>ISO burn complete!</source>
        <translation>ISO 刻录完成！</translation>
    </message>
    <message>
        <source>The disc was not read back and compared with the image: this computer&apos;s disc-burning service cannot verify a burn.</source>
        <translation>光盘未经回读并与映像比较：此计算机的光盘刻录服务无法校验刻录结果。</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished, and the disc was read back and matches the image.</source>
        <translation>停止请求来得太晚：刻录已经完成，光盘已回读并与映像一致。</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished.</source>
        <translation>停止请求来得太晚：刻录已经完成。</translation>
    </message>
    <message>
        <source>The recorder did not eject the disc: please take it out by hand.</source>
        <translation>刻录机未能弹出光盘：请手动取出。</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Time: %1 / %2</source>
        <translation>时间：%1 / %2</translation>
    </message>
    <message>
        <source>Validating media %1</source>
        <translation>正在验证光盘 %1</translation>
    </message>
    <message>
        <source>Formatting media %1</source>
        <translation>正在格式化光盘 %1</translation>
    </message>
    <message>
        <source>Initializing Hardware </source>
        <translation>正在初始化硬件</translation>
    </message>
    <message>
        <source>Calibrating Power (OPC) </source>
        <translation>正在校准激光功率 (OPC)</translation>
    </message>
    <message>
        <source>Progress:  %1</source>
        <translation>进度：%1</translation>
    </message>
    <message>
        <source>Finalizing </source>
        <translation>正在封盘</translation>
    </message>
    <message>
        <source>Completed the burn.</source>
        <translation>刻录已完成。</translation>
    </message>
    <message>
        <source>Verifying the data.</source>
        <translation>正在校验数据。</translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation>未知操作：%1</translation>
    </message>
    <message>
        <source>Checking the image: %1</source>
        <translation>正在检查映像：%1</translation>
    </message>
    <message>
        <source>The image &apos;%1&apos; does not match the %2 checksum published for it in &apos;%3&apos;.

Expected:
%4
Found:
%5

The download is damaged or incomplete. Please download the image again; the disc has not been touched.</source>
        <translation>映像“%1”与“%3”中为其公布的 %2 校验和不符。

应为：
%4
实际：
%5

下载的文件已损坏或不完整。请重新下载该映像；光盘未被改动。</translation>
    </message>
    <message>
        <source>Image damaged</source>
        <translation>映像已损坏</translation>
    </message>
    <message>
        <source>ISO files(*.iso)</source>
        <translation>ISO 文件 (*.iso)</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>刻录</translation>
    </message>
    <message>
        <source>Write the image file to the disc in the selected recorder</source>
        <translation>将映像文件写入所选刻录机中的光盘</translation>
    </message>
    <message>
        <source>Browse for ISO file</source>
        <translation>浏览 ISO 文件</translation>
    </message>
    <message>
        <source>Choose the image file to burn</source>
        <translation>选择要刻录的映像文件</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version and licence of Pelimor ISO Burn</source>
        <translation>Pelimor ISO Burn 的版本和许可</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Open the support page in the web browser</source>
        <translation>在网页浏览器中打开支持页面</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>刻录机</translation>
    </message>
    <message>
        <source>The CD/DVD recorders that can write a disc</source>
        <translation>能刻录光盘的 CD/DVD 刻录机</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>映像文件</translation>
    </message>
    <message>
        <source>The ISO image file that will be burnt</source>
        <translation>将要刻录的 ISO 映像文件</translation>
    </message>
    <message>
        <source>Burn status</source>
        <translation>刻录状态</translation>
    </message>
    <message>
        <source>What the recorder is doing</source>
        <translation>刻录机当前正在做什么</translation>
    </message>
    <message>
        <source>Pelimor ISO Burn logo</source>
        <translation>Pelimor ISO Burn 标志</translation>
    </message>
    <message>
        <source>the recorder is being written by another Pelimor ISO Burn window. Wait until that burn has finished, or choose another recorder.</source>
        <translation>另一个 Pelimor ISO Burn 窗口正在向此刻录机写入。请等待该刻录完成，或选择其他刻录机。</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <translation>%1（%2）：%3</translation>
    </message>
    <message>
        <source>Burn complete</source>
        <translation>刻录完成</translation>
    </message>
    <message>
        <source>The disc in %1 is a rewritable disc that holds data. Erase it and burn the image? Everything on the disc will be lost.</source>
        <translation>%1 中的光盘是含有数据的可重写光盘。要擦除它并刻录映像吗？光盘上的所有内容都将丢失。</translation>
    </message>
    <message>
        <source>Erase the disc?</source>
        <translation>要擦除光盘吗？</translation>
    </message>
</context>
<context>
    <name>pelimor::Module1</name>
    <message>
        <source>You&apos;re computer requires an update from Microsoft. Visit Microsoft to update now... %1.</source>
        <translation>您的计算机需要安装 Microsoft 提供的更新。请立即访问 Microsoft 进行更新：%1。</translation>
    </message>
    <message>
        <source>Once you click &apos;OK&apos; you&apos;re browser will open the Microsoft web site follow the directions to install the CD/DVD burning support.</source>
        <translation>单击“确定”后，浏览器将打开 Microsoft 网站，请按照其中的说明安装 CD/DVD 刻录支持。</translation>
    </message>
    <message>
        <source>Microsoft download required</source>
        <translation>需要从 Microsoft 下载</translation>
    </message>
</context>
<context>
    <name>pelimor::SleepInhibitor</name>
    <message>
        <source>Writing a disc</source>
        <translation>正在刻录光盘</translation>
    </message>
</context>
<context>
    <name>pelimor::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>警告：...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>The licence, in English, the language in which it is given:</source>
        <translation>许可协议（以英文原文为准）：</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>系统信息暂时不可用。</translation>
    </message>
</context>
</TS>
