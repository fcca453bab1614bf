<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>pelimor::BurnRate</name>
    <message>
        <source>%1 MB/s (%2x)</source>
        <translation>%1 МБ/с (%2x)</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 МБ/с</translation>
    </message>
    <message>
        <source>%1, less than a minute left</source>
        <translation>%1, залишилося менше хвилини</translation>
    </message>
    <message>
        <source>%1, about %2 min left</source>
        <translation>%1, залишилося близько %2 хв</translation>
    </message>
</context>
<context>
    <name>pelimor::Form1</name>
    <message>
        <source>Manufacturer</source>
        <translation>Виробник</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Привід</translation>
    </message>
    <message>
        <source>  Browse for ISO file</source>
        <translation>  Вибрати файл ISO</translation>
    </message>
    <message>
        <source>   Burn ISO file to CD   </source>
        <translation>   Записати файл ISO на CD   </translation>
    </message>
    <message>
        <source>Eject CD/DVD after burn</source>
        <translation>Вийняти CD/DVD після запису</translation>
    </message>
    <message>
        <source>%1 | Pelimor ISO Burn | ver. %2.%3.%4</source>
        <translation>%1 | Pelimor ISO Burn | версія %2.%3.%4</translation>
    </message>
    <message>
        <source>A burn is in progress. Stopping now will leave the disc unusable. Stop the burn?</source>
        <translation>Триває запис. Якщо зупинити його зараз, диск стане непридатним. Зупинити запис?</translation>
    </message>
    <message>
        <source>it was stopped before it had finished, and the disc is probably unusable</source>
        <translation>його було зупинено до завершення, і диск, імовірно, непридатний</translation>
    </message>
    <message>
        <source>it was stopped before anything was written, and the disc was not changed</source>
        <translation>його було зупинено до початку запису, і диск не змінено</translation>
    </message>
    <message>
        <source>it was stopped after the disc had been erased; nothing was written to it</source>
        <translation>його було зупинено після стирання диска; на нього нічого не записано</translation>
    </message>
    <message>
        <source>the recorder did not confirm that the image was written completely</source>
        <translation>привід не підтвердив, що образ записано повністю</translation>
    </message>
    <message>
        <source>Select an ISO image to burn.</source>
        <translation>Виберіть образ ISO для запису.</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; not found!</source>
        <translation>Файл ISO «%1» не знайдено.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не знайдено</translation>
    </message>
    <message>
        <source>No CD/DVD recorder is selected. Connect a recorder that can write CDs and start the program again.</source>
        <translation>Не вибрано привід для запису CD/DVD. Підключіть привід, який може записувати CD, і перезапустіть програму.</translation>
    </message>
    <message>
        <source>No recorder</source>
        <translation>Немає приводу</translation>
    </message>
    <message>
        <source>The burn did not complete: %1</source>
        <translation>Запис не завершено: %1</translation>
    </message>
    <message>
        <source>Burn failed</source>
        <translation>Помилка запису</translation>
    </message>
    <message>
        <source>Insert the disc</source>
        <translation>Вставте диск</translation>
    </message>
    <message>
        <source>Recorder not support. Try another CDROM drive.</source>
        <translation>Цей привід не підтримується. Спробуйте інший CD-привід.</translation>
    </message>
    <message>
        <source>Recorder not supported</source>
        <translation>Привід не підтримується</translation>
    </message>
    <message>
        <source>No CD in drive or current media not support. Please insert a blank CD and try again.</source>
        <translation>У приводі немає CD, або вставлений носій не підтримується. Вставте чистий CD і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Media not supported</source>
        <translation>Носій не підтримується</translation>
    </message>
    <message>
        <source>Insert a new/blank CD! Please insert a blank CD and try again.</source>
        <translation>Диск не чистий. Вставте новий чистий CD і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Media status - %1</source>
        <translation>Стан носія – %1</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; cannot be read: %2</source>
        <translation>Не вдається прочитати файл ISO «%1»: %2</translation>
    </message>
    <message>
        <source>File not readable</source>
        <translation>Файл не читається</translation>
    </message>
    <message>
        <source>The disc already holds data. Please insert a blank CD and try again.</source>
        <translation>На диску вже є дані. Вставте чистий CD і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Media not blank</source>
        <translation>Носій не чистий</translation>
    </message>
    <message>
        <source>The ISO image needs %1 MB but the disc has only %2 MB free. Please insert a larger blank disc and try again.</source>
        <translation>Образу ISO потрібно %1 МБ, але на диску вільно лише %2 МБ. Вставте чистий диск більшого обсягу і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Disc too small</source>
        <translation>Диск замалий</translation>
    </message>
    <message>
        <source>ISO burn complete!</source>
        <translation>Образ ISO записано!</translation>
    </message>
    <message>
        <source>The disc was not read back and compared with the image: this computer&apos;s disc-burning service cannot verify a burn.</source>
        <translation>Диск не було прочитано повторно й звірено з образом: служба запису дисків на цьому комп’ютері не вміє перевіряти запис.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished, and the disc was read back and matches the image.</source>
        <translation>Зупинити запис не вдалося: його вже завершено, диск прочитано повторно, і він збігається з образом.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished.</source>
        <translation>Зупинити запис не вдалося: його вже завершено.</translation>
    </message>
    <message>
        <source>The recorder did not eject the disc: please take it out by hand.</source>
        <translation>Привід не виштовхнув диск: вийміть його вручну.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Time: %1 / %2</source>
        <translation>Час: %1 / %2</translation>
    </message>
    <message>
        <source>Validating media %1</source>
        <translation>Перевірка носія – %1</translation>
    </message>
    <message>
        <source>Formatting media %1</source>
        <translation>Форматування носія – %1</translation>
    </message>
    <message>
        <source>Initializing Hardware </source>
        <translation>Ініціалізація обладнання</translation>
    </message>
    <message>
        <source>Calibrating Power (OPC) </source>
        <translation>Калібрування потужності лазера (OPC)</translation>
    </message>
    <message>
        <source>Progress:  %1</source>
        <translation>Виконано: %1</translation>
    </message>
    <message>
        <source>Finalizing </source>
        <translation>Фіналізація диска</translation>
    </message>
    <message>
        <source>Completed the burn.</source>
        <translation>Запис завершено.</translation>
    </message>
    <message>
        <source>Verifying the data.</source>
        <translation>Перевірка даних.</translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation>Невідома дія: %1</translation>
    </message>
    <message>
        <source>Checking the image: %1</source>
        <translation>Перевірка образу: %1</translation>
    </message>
    <message>
        <source>The image &apos;%1&apos; does not match the %2 checksum published for it in &apos;%3&apos;.

Expected:
%4
Found:
%5

The download is damaged or incomplete. Please download the image again; the disc has not been touched.</source>
        <translation>Образ «%1» не збігається з контрольною сумою %2, опублікованою для нього в «%3».

Очікувалося:
%4
Отримано:
%5

Завантажений файл пошкоджений або неповний. Завантажте образ ще раз; диск не було змінено.</translation>
    </message>
    <message>
        <source>Image damaged</source>
        <translation>Образ пошкоджено</translation>
    </message>
    <message>
        <source>ISO files(*.iso)</source>
        <translation>Файли ISO (*.iso)</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Записати</translation>
    </message>
    <message>
        <source>Write the image file to the disc in the selected recorder</source>
        <translation>Записує файл образу на диск у вибраному приводі</translation>
    </message>
    <message>
        <source>Browse for ISO file</source>
        <translation>Вибрати файл ISO</translation>
    </message>
    <message>
        <source>Choose the image file to burn</source>
        <translation>Вибір файлу образу для запису</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Version and licence of Pelimor ISO Burn</source>
        <translation>Версія і ліцензія Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Open the support page in the web browser</source>
        <translation>Відкриває сторінку підтримки у браузері</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>Приводи</translation>
    </message>
    <message>
        <source>The CD/DVD recorders that can write a disc</source>
        <translation>Приводи CD/DVD, які можуть записати диск</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Файл образу</translation>
    </message>
    <message>
        <source>The ISO image file that will be burnt</source>
        <translation>Файл образу ISO, який буде записано</translation>
    </message>
    <message>
        <source>Burn status</source>
        <translation>Стан запису</translation>
    </message>
    <message>
        <source>What the recorder is doing</source>
        <translation>Що зараз робить привід</translation>
    </message>
    <message>
        <source>Pelimor ISO Burn logo</source>
        <translation>Логотип Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>the recorder is being written by another Pelimor ISO Burn window. Wait until that burn has finished, or choose another recorder.</source>
        <translation>на цей привід зараз записує інше вікно Pelimor ISO Burn. Дочекайтеся завершення того запису або виберіть інший привід.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 на %2</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <translation>%1 на %2: %3</translation>
    </message>
    <message>
        <source>Burn complete</source>
        <translation>Запис завершено</translation>
    </message>
    <message>
        <source>The disc in %1 is a rewritable disc that holds data. Erase it and burn the image? Everything on the disc will be lost.</source>
        <translation>Диск у %1 — перезаписуваний диск із даними. Стерти його й записати образ? Усе, що є на диску, буде втрачено.</translation>
    </message>
    <message>
        <source>Erase the disc?</source>
        <translation>Стерти диск?</translation>
    </message>
</context>
<context>
    <name>pelimor::Module1</name>
    <message>
        <source>You&apos;re computer requires an update from Microsoft. Visit Microsoft to update now... %1.</source>
        <translation>Вашому комп’ютеру потрібне оновлення від Microsoft. Щоб установити його зараз, відвідайте сайт Microsoft: %1.</translation>
    </message>
    <message>
        <source>Once you click &apos;OK&apos; you&apos;re browser will open the Microsoft web site follow the directions to install the CD/DVD burning support.</source>
        <translation>Після натискання «OK» у браузері відкриється сайт Microsoft; дотримуйтеся вказівок, щоб установити підтримку запису CD/DVD.</translation>
    </message>
    <message>
        <source>Microsoft download required</source>
        <translation>Потрібне завантаження від Microsoft</translation>
    </message>
</context>
<context>
    <name>pelimor::SleepInhibitor</name>
    <message>
        <source>Writing a disc</source>
        <translation>Триває запис диска</translation>
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
        <translation>&amp;Відомості про систему...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Увага: ...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Про програму %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версія %1.%2.%3</translation>
    </message>
    <message>
        <source>The licence, in English, the language in which it is given:</source>
        <translation>Ліцензія (оригінальний текст англійською мовою):</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Відомості про систему зараз недоступні.</translation>
    </message>
</context>
</TS>
