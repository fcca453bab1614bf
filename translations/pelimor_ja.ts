<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <translation>%1、残り 1 分未満</translation>
    </message>
    <message>
        <source>%1, about %2 min left</source>
        <translation>%1、残り約 %2 分</translation>
    </message>
</context>
<context>
    <name>pelimor::Form1</name>
    <message>
        <source>Manufacturer</source>
        <translation>メーカー</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Rev.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>  Browse for ISO file</source>
        <translation>  ISO ファイルを参照</translation>
    </message>
    <message>
        <source>   Burn ISO file to CD   </source>
        <translation>   ISO ファイルを CD に書き込む   </translation>
    </message>
    <message>
        <source>Eject CD/DVD after burn</source>
        <translation>書き込み後に CD/DVD を取り出す</translation>
    </message>
    <message>
        <source>%1 | Pelimor ISO Burn | ver. %2.%3.%4</source>
        <translation>%1 | Pelimor ISO Burn | バージョン %2.%3.%4</translation>
    </message>
    <message>
        <source>A burn is in progress. Stopping now will leave the disc unusable. Stop the burn?</source>
        <translation>書き込み中です。今中止するとディスクは使用できなくなります。書き込みを中止しますか?</translation>
    </message>
    <message>
        <source>it was stopped before it had finished, and the disc is probably unusable</source>
        <translation>完了前に中止されたため、ディスクはおそらく使用できません</translation>
    </message>
    <message>
        <source>it was stopped before anything was written, and the disc was not changed</source>
        <translation>何も書き込まれる前に中止されたため、ディスクは変更されていません</translation>
    </message>
    <message>
        <source>it was stopped after the disc had been erased; nothing was written to it</source>
        <translation>ディスクの消去後に中止されたため、ディスクには何も書き込まれていません</translation>
    </message>
    <message>
        <source>the recorder did not confirm that the image was written completely</source>
        <translation>イメージがすべて書き込まれたことをドライブが確認しませんでした</translation>
    </message>
    <message>
        <source>Select an ISO image to burn.</source>
        <translation>書き込む ISO イメージを選択してください。</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; not found!</source>
        <translation>ISO ファイル「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>No CD/DVD recorder is selected. Connect a recorder that can write CDs and start the program again.</source>
        <translation>CD/DVD ドライブが選択されていません。CD に書き込めるドライブを接続してから、プログラムを起動し直してください。</translation>
    </message>
    <message>
        <source>No recorder</source>
        <translation>ドライブがありません</translation>
    </message>
    <message>
        <source>The burn did not complete: %1</source>
        <translation>書き込みが完了しませんでした: %1</translation>
    </message>
    <message>
        <source>Burn failed</source>
        <translation>書き込みに失敗しました</translation>
    </message>
    <message>
        <source>Insert the disc</source>
        <translation>ディスクを挿入してください</translation>
    </message>
    <message>
        <source>Recorder not support. Try another CDROM drive.</source>
        <translation>このドライブには対応していません。別の CD ドライブをお試しください。</translation>
    </message>
    <message>
        <source>Recorder not supported</source>
        <translation>非対応のドライブ</translation>
    </message>
    <message>
        <source>No CD in drive or current media not support. Please insert a blank CD and try again.</source>
        <translation>ドライブに CD が入っていないか、挿入されたメディアに対応していません。空の CD を挿入して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Media not supported</source>
        <translation>非対応のメディア</translation>
    </message>
    <message>
        <source>Insert a new/blank CD! Please insert a blank CD and try again.</source>
        <translation>ディスクが空ではありません。新しい空の CD を挿入して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Media status - %1</source>
        <translation>メディアの状態 - %1</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; cannot be read: %2</source>
        <translation>ISO ファイル「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>File not readable</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>The disc already holds data. Please insert a blank CD and try again.</source>
        <translation>ディスクにはすでにデータがあります。空の CD を挿入して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Media not blank</source>
        <translation>メディアが空ではありません</translation>
    </message>
    <message>
        <source>The ISO image needs %1 MB but the disc has only %2 MB free. Please insert a larger blank disc and try again.</source>
        <translation>ISO イメージには %1 MB 必要ですが、ディスクの空き容量は %2 MB しかありません。より大きな空のディスクを挿入して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Disc too small</source>
        <translation>ディスクの容量不足</translation>
    </message>
    <message>
        <source>ISO burn complete!</source>
        <translation>ISO の書き込みが完了しました!</translation>
    </message>
    <message>
        <source>The disc was not read back and compared with the image: this computer&apos;s disc-burning service cannot verify a burn.</source>
        <translation>ディスクを読み返してイメージと比較していません。このコンピューターのディスク書き込みサービスは書き込みを検証できません。</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished, and the disc was read back and matches the image.</source>
        <translation>停止が間に合いませんでした。書き込みはすでに完了しており、ディスクを読み返してイメージと一致することを確認しました。</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished.</source>
        <translation>停止が間に合いませんでした。書き込みはすでに完了しています。</translation>
    </message>
    <message>
        <source>The recorder did not eject the disc: please take it out by hand.</source>
        <translation>ドライブがディスクを取り出せませんでした。手で取り出してください。</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Time: %1 / %2</source>
        <translation>時間: %1 / %2</translation>
    </message>
    <message>
        <source>Validating media %1</source>
        <translation>メディアを検証中 %1</translation>
    </message>
    <message>
        <source>Formatting media %1</source>
        <translation>メディアをフォーマット中 %1</translation>
    </message>
    <message>
        <source>Initializing Hardware </source>
        <translation>ハードウェアを初期化中</translation>
    </message>
    <message>
        <source>Calibrating Power (OPC) </source>
        <translation>レーザー出力を調整中 (OPC)</translation>
    </message>
    <message>
        <source>Progress:  %1</source>
        <translation>進行状況: %1</translation>
    </message>
    <message>
        <source>Finalizing </source>
        <translation>ファイナライズ中</translation>
    </message>
    <message>
        <source>Completed the burn.</source>
        <translation>書き込みが完了しました。</translation>
    </message>
    <message>
        <source>Verifying the data.</source>
        <translation>データを検証中です。</translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation>不明な動作: %1</translation>
    </message>
    <message>
        <source>Checking the image: %1</source>
        <translation>イメージを確認中: %1</translation>
    </message>
    <message>
        <source>The image &apos;%1&apos; does not match the %2 checksum published for it in &apos;%3&apos;.

Expected:
%4
Found:
%5

The download is damaged or incomplete. Please download the image again; the disc has not been touched.</source>
        <translation>イメージ「%1」は、「%3」で公開されている %2 チェックサムと一致しません。

期待値:
%4
実際の値:
%5

ダウンロードしたファイルが破損しているか不完全です。イメージをもう一度ダウンロードしてください。ディスクには何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Image damaged</source>
        <translation>イメージの破損</translation>
    </message>
    <message>
        <source>ISO files(*.iso)</source>
        <translation>ISO ファイル (*.iso)</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Write the image file to the disc in the selected recorder</source>
        <translation>選択したドライブのディスクにイメージ ファイルを書き込みます</translation>
    </message>
    <message>
        <source>Browse for ISO file</source>
        <translation>ISO ファイルを参照</translation>
    </message>
    <message>
        <source>Choose the image file to burn</source>
        <translation>書き込むイメージ ファイルを選択します</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Version and licence of Pelimor ISO Burn</source>
        <translation>Pelimor ISO Burn のバージョンとライセンス</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Open the support page in the web browser</source>
        <translation>サポート ページを Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>書き込みドライブ</translation>
    </message>
    <message>
        <source>The CD/DVD recorders that can write a disc</source>
        <translation>ディスクに書き込める CD/DVD ドライブ</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>イメージ ファイル</translation>
    </message>
    <message>
        <source>The ISO image file that will be burnt</source>
        <translation>書き込む ISO イメージ ファイル</translation>
    </message>
    <message>
        <source>Burn status</source>
        <translation>書き込みの状態</translation>
    </message>
    <message>
        <source>What the recorder is doing</source>
        <translation>ドライブが現在行っている処理</translation>
    </message>
    <message>
        <source>Pelimor ISO Burn logo</source>
        <translation>Pelimor ISO Burn のロゴ</translation>
    </message>
    <message>
        <source>the recorder is being written by another Pelimor ISO Burn window. Wait until that burn has finished, or choose another recorder.</source>
        <translation>このドライブには別の Pelimor ISO Burn ウィンドウが書き込み中です。その書き込みが終わるまで待つか、別のドライブを選んでください。</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Burn complete</source>
        <translation>書き込みが完了しました</translation>
    </message>
    <message>
        <source>The disc in %1 is a rewritable disc that holds data. Erase it and burn the image? Everything on the disc will be lost.</source>
        <translation>%1 のディスクはデータが入った書き換え可能なディスクです。消去してイメージを書き込みますか? ディスク上のすべてのデータが失われます。</translation>
    </message>
    <message>
        <source>Erase the disc?</source>
        <translation>ディスクを消去しますか?</translation>
    </message>
</context>
<context>
    <name>pelimor::Module1</name>
    <message>
        <source>You&apos;re computer requires an update from Microsoft. Visit Microsoft to update now... %1.</source>
        <translation>お使いのコンピューターには Microsoft の更新プログラムが必要です。今すぐ Microsoft のサイトで更新してください: %1</translation>
    </message>
    <message>
        <source>Once you click &apos;OK&apos; you&apos;re browser will open the Microsoft web site follow the directions to install the CD/DVD burning support.</source>
        <translation>[OK] をクリックするとブラウザーで Microsoft の Web サイトが開きます。指示に従って CD/DVD 書き込みサポートをインストールしてください。</translation>
    </message>
    <message>
        <source>Microsoft download required</source>
        <translation>Microsoft からのダウンロードが必要です</translation>
    </message>
</context>
<context>
    <name>pelimor::SleepInhibitor</name>
    <message>
        <source>Writing a disc</source>
        <translation>ディスクに書き込み中</translation>
    </message>
</context>
<context>
    <name>pelimor::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>システム情報(&amp;S)...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>警告: ...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 のバージョン情報</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>バージョン %1.%2.%3</translation>
    </message>
    <message>
        <source>The licence, in English, the language in which it is given:</source>
        <translation>ライセンス (英語の原文):</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>現在、システム情報を利用できません。</translation>
    </message>
</context>
</TS>
