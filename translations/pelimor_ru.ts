<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
        <translation>%1, осталось меньше минуты</translation>
    </message>
    <message>
        <source>%1, about %2 min left</source>
        <translation>%1, осталось около %2 мин</translation>
    </message>
</context>
<context>
    <name>pelimor::Form1</name>
    <message>
        <source>Manufacturer</source>
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Привод</translation>
    </message>
    <message>
        <source>  Browse for ISO file</source>
        <translation>  Выбрать файл ISO</translation>
    </message>
    <message>
        <source>   Burn ISO file to CD   </source>
        <translation>   Записать файл ISO на CD   </translation>
    </message>
    <message>
        <source>Eject CD/DVD after burn</source>
        <translation>Извлечь CD/DVD после записи</translation>
    </message>
    <message>
        <source>%1 | Pelimor ISO Burn | ver. %2.%3.%4</source>
        <translation>%1 | Pelimor ISO Burn | версия %2.%3.%4</translation>
    </message>
    <message>
        <source>A burn is in progress. Stopping now will leave the disc unusable. Stop the burn?</source>
        <translation>Идёт запись. Если остановить её сейчас, диск станет непригодным. Остановить запись?</translation>
    </message>
    <message>
        <source>it was stopped before it had finished, and the disc is probably unusable</source>
        <translation>она была остановлена до завершения, и диск, вероятно, непригоден</translation>
    </message>
    <message>
        <source>it was stopped before anything was written, and the disc was not changed</source>
        <translation>она была остановлена до начала записи, и диск не изменён</translation>
    </message>
    <message>
        <source>it was stopped after the disc had been erased; nothing was written to it</source>
        <translation>она была остановлена после стирания диска; на него ничего не записано</translation>
    </message>
    <message>
        <source>the recorder did not confirm that the image was written completely</source>
        <translation>привод не подтвердил, что образ записан полностью</translation>
    </message>
    <message>
        <source>Select an ISO image to burn.</source>
        <translation>Выберите образ ISO для записи.</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; not found!</source>
        <translation>Файл ISO «%1» не найден.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>No CD/DVD recorder is selected. Connect a recorder that can write CDs and start the program again.</source>
        <translation>Не выбран привод для записи CD/DVD. Подключите привод, который может записывать CD, и перезапустите программу.</translation>
    </message>
    <message>
        <source>No recorder</source>
        <translation>Нет привода</translation>
    </message>
    <message>
        <source>The burn did not complete: %1</source>
        <translation>Запись не завершена: %1</translation>
    </message>
    <message>
        <source>Burn failed</source>
        <translation>Ошибка записи</translation>
    </message>
    <message>
        <source>Insert the disc</source>
        <translation>Вставьте диск</translation>
    </message>
    <message>
        <source>Recorder not support. Try another CDROM drive.</source>
        <translation>Этот привод не поддерживается. Попробуйте другой CD-привод.</translation>
    </message>
    <message>
        <source>Recorder not supported</source>
        <translation>Привод не поддерживается</translation>
    </message>
    <message>
        <source>No CD in drive or current media not support. Please insert a blank CD and try again.</source>
        <translation>В приводе нет CD, или вставленный носитель не поддерживается. Вставьте чистый CD и повторите попытку.</translation>
    </message>
    <message>
        <source>Media not supported</source>
        <translation>Носитель не поддерживается</translation>
    </message>
    <message>
        <source>Insert a new/blank CD! Please insert a blank CD and try again.</source>
        <translation>Диск не чистый. Вставьте новый чистый CD и повторите попытку.</translation>
    </message>
    <message>
        <source>Media status - %1</source>
        <translation>Состояние носителя – %1</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; cannot be read: %2</source>
        <translation>Не удаётся прочитать файл ISO «%1»: %2</translation>
    </message>
    <message>
        <source>File not readable</source>
        <translation>Файл не читается</translation>
    </message>
    <message>
        <source>The disc already holds data. Please insert a blank CD and try again.</source>
        <translation>На диске уже есть данные. Вставьте чистый CD и повторите попытку.</translation>
    </message>
    <message>
        <source>Media not blank</source>
        <translation>Носитель не чистый</translation>
    </message>
    <message>
        <source>The ISO image needs %1 MB but the disc has only %2 MB free. Please insert a larger blank disc and try again.</source>
        <translation>Образу ISO нужно %1 МБ, а на диске свободно только %2 МБ. Вставьте чистый диск большего объёма и повторите попытку.</translation>
    </message>
    <message>
        <source>Disc too small</source>
        <translation>Диск слишком мал</translation>
    </message>
    <message>
        <source>ISO burn complete!</source>
        <translation>Образ ISO записан!</translation>
    </message>
    <message>
        <source>The disc was not read back and compared with the image: this computer&apos;s disc-burning service cannot verify a burn.</source>
        <translation>Диск не был прочитан повторно и сверен с образом: служба записи дисков на этом компьютере не умеет проверять запись.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished, and the disc was read back and matches the image.</source>
        <translation>Остановить запись не удалось: она уже завершилась, диск прочитан повторно и совпадает с образом.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished.</source>
        <translation>Остановить запись не удалось: она уже завершилась.</translation>
    </message>
    <message>
        <source>The recorder did not eject the disc: please take it out by hand.</source>
        <translation>Привод не извлёк диск: извлеките его вручную.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Time: %1 / %2</source>
        <translation>Время: %1 / %2</translation>
    </message>
    <message>
        <source>Validating media %1</source>
        <translation>Проверка носителя – %1</translation>
    </message>
    <message>
        <source>Formatting media %1</source>
        <translation>Форматирование носителя – %1</translation>
    </message>
    <message>
        <source>Initializing Hardware </source>
        <translation>Инициализация оборудования</translation>
    </message>
    <message>
        <source>Calibrating Power (OPC) </source>
        <translation>Калибровка мощности лазера (OPC)</translation>
    </message>
    <message>
        <source>Progress:  %1</source>
        <translation>Выполнено: %1</translation>
    </message>
    <message>
        <source>Finalizing </source>
        <translation>Финализация диска</translation>
    </message>
    <message>
        <source>Completed the burn.</source>
        <translation>Запись завершена.</translation>
    </message>
    <message>
        <source>Verifying the data.</source>
        <translation>Проверка данных.</translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation>Неизвестное действие: %1</translation>
    </message>
    <message>
        <source>Checking the image: %1</source>
        <translation>Проверка образа: %1</translation>
    </message>
    <message>
        <source>The image &apos;%1&apos; does not match the %2 checksum published for it in &apos;%3&apos;.

Expected:
%4
Found:
%5

The download is damaged or incomplete. Please download the image again; the disc has not been touched.</source>
        <translation>Образ «%1» не совпадает с контрольной суммой %2, опубликованной для него в «%3».

Ожидалось:
%4
Получено:
%5

Загруженный файл повреждён или неполон. Загрузите образ ещё раз; диск не был затронут.</translation>
    </message>
    <message>
        <source>Image damaged</source>
        <translation>Образ повреждён</translation>
    </message>
    <message>
        <source>ISO files(*.iso)</source>
        <translation>Файлы ISO (*.iso)</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Write the image file to the disc in the selected recorder</source>
        <translation>Записывает файл образа на диск в выбранном приводе</translation>
    </message>
    <message>
        <source>Browse for ISO file</source>
        <translation>Выбрать файл ISO</translation>
    </message>
    <message>
        <source>Choose the image file to burn</source>
        <translation>Выбор файла образа для записи</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version and licence of Pelimor ISO Burn</source>
        <translation>Версия и лицензия Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Open the support page in the web browser</source>
        <translation>Открывает страницу поддержки в браузере</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>Приводы</translation>
    </message>
    <message>
        <source>The CD/DVD recorders that can write a disc</source>
        <translation>Приводы CD/DVD, которые могут записать диск</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Файл образа</translation>
    </message>
    <message>
        <source>The ISO image file that will be burnt</source>
        <translation>Файл образа ISO, который будет записан</translation>
    </message>
    <message>
        <source>Burn status</source>
        <translation>Состояние записи</translation>
    </message>
    <message>
        <source>What the recorder is doing</source>
        <translation>Что сейчас делает привод</translation>
    </message>
    <message>
        <source>Pelimor ISO Burn logo</source>
        <translation>Логотип Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>the recorder is being written by another Pelimor ISO Burn window. Wait until that burn has finished, or choose another recorder.</source>
        <translation>на этот привод сейчас записывает другое окно Pelimor ISO Burn. Дождитесь окончания той записи или выберите другой привод.</translation>
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
        <translation>Запись завершена</translation>
    </message>
    <message>
        <source>The disc in %1 is a rewritable disc that holds data. Erase it and burn the image? Everything on the disc will be lost.</source>
        <translation>Диск в %1 — перезаписываемый диск с данными. Стереть его и записать образ? Всё, что есть на диске, будет потеряно.</translation>
    </message>
    <message>
        <source>Erase the disc?</source>
        <translation>Стереть диск?</translation>
    </message>
</context>
<context>
    <name>pelimor::Module1</name>
    <message>
        <source>You&apos;re computer requires an update from Microsoft. Visit Microsoft to update now... %1.</source>
        <translation>Компьютеру требуется обновление от Microsoft. Чтобы установить его сейчас, посетите сайт Microsoft: %1.</translation>
    </message>
    <message>
        <source>Once you click &apos;OK&apos; you&apos;re browser will open the Microsoft web site follow the directions to install the CD/DVD burning support.</source>
        <translation>После нажатия «OK» в браузере откроется сайт Microsoft; следуйте указаниям, чтобы установить поддержку записи CD/DVD.</translation>
    </message>
    <message>
        <source>Microsoft download required</source>
        <translation>Требуется загрузка от Microsoft</translation>
    </message>
</context>
<context>
    <name>pelimor::SleepInhibitor</name>
    <message>
        <source>Writing a disc</source>
        <translation>Идёт запись диска</translation>
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
        <translation>&amp;Сведения о системе...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Внимание: ...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версия %1.%2.%3</translation>
    </message>
    <message>
        <source>The licence, in English, the language in which it is given:</source>
        <translation>Лицензия (оригинальный текст на английском языке):</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Сведения о системе сейчас недоступны.</translation>
    </message>
</context>
</TS>
