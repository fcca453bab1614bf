<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>%1, pozostało mniej niż minutę</translation>
    </message>
    <message>
        <source>%1, about %2 min left</source>
        <translation>%1, pozostało około %2 min</translation>
    </message>
</context>
<context>
    <name>pelimor::Form1</name>
    <message>
        <source>Manufacturer</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Rew.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Napęd</translation>
    </message>
    <message>
        <source>  Browse for ISO file</source>
        <translation>  Wybierz plik ISO</translation>
    </message>
    <message>
        <source>   Burn ISO file to CD   </source>
        <translation>   Nagraj plik ISO na płytę CD   </translation>
    </message>
    <message>
        <source>Eject CD/DVD after burn</source>
        <translation>Wysuń płytę po nagraniu</translation>
    </message>
    <message>
        <source>%1 | Pelimor ISO Burn | ver. %2.%3.%4</source>
        <translation>%1 | Pelimor ISO Burn | wersja %2.%3.%4</translation>
    </message>
    <message>
        <source>A burn is in progress. Stopping now will leave the disc unusable. Stop the burn?</source>
        <translation>Trwa nagrywanie. Przerwanie go teraz sprawi, że płyta będzie bezużyteczna. Przerwać nagrywanie?</translation>
    </message>
    <message>
        <source>it was stopped before it had finished, and the disc is probably unusable</source>
        <translation>zostało przerwane przed zakończeniem i płyta jest prawdopodobnie bezużyteczna</translation>
    </message>
    <message>
        <source>it was stopped before anything was written, and the disc was not changed</source>
        <translation>zostało przerwane, zanim cokolwiek zapisano, i płyta nie została zmieniona</translation>
    </message>
    <message>
        <source>it was stopped after the disc had been erased; nothing was written to it</source>
        <translation>zostało przerwane po wymazaniu płyty; nic na niej nie zapisano</translation>
    </message>
    <message>
        <source>the recorder did not confirm that the image was written completely</source>
        <translation>nagrywarka nie potwierdziła, że obraz został zapisany w całości</translation>
    </message>
    <message>
        <source>Select an ISO image to burn.</source>
        <translation>Wybierz obraz ISO do nagrania.</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; not found!</source>
        <translation>Nie znaleziono pliku ISO „%1”.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>No CD/DVD recorder is selected. Connect a recorder that can write CDs and start the program again.</source>
        <translation>Nie wybrano nagrywarki CD/DVD. Podłącz nagrywarkę, która potrafi nagrywać płyty CD, i uruchom program ponownie.</translation>
    </message>
    <message>
        <source>No recorder</source>
        <translation>Brak nagrywarki</translation>
    </message>
    <message>
        <source>The burn did not complete: %1</source>
        <translation>Nagrywanie nie zostało ukończone: %1</translation>
    </message>
    <message>
        <source>Burn failed</source>
        <translation>Nagrywanie nie powiodło się</translation>
    </message>
    <message>
        <source>Insert the disc</source>
        <translation>Włóż płytę</translation>
    </message>
    <message>
        <source>Recorder not support. Try another CDROM drive.</source>
        <translation>Ta nagrywarka nie jest obsługiwana. Spróbuj użyć innego napędu CD.</translation>
    </message>
    <message>
        <source>Recorder not supported</source>
        <translation>Nieobsługiwana nagrywarka</translation>
    </message>
    <message>
        <source>No CD in drive or current media not support. Please insert a blank CD and try again.</source>
        <translation>W napędzie nie ma płyty CD albo włożony nośnik nie jest obsługiwany. Włóż czystą płytę CD i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Media not supported</source>
        <translation>Nieobsługiwany nośnik</translation>
    </message>
    <message>
        <source>Insert a new/blank CD! Please insert a blank CD and try again.</source>
        <translation>Płyta nie jest czysta. Włóż nową, czystą płytę CD i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Media status - %1</source>
        <translation>Stan nośnika – %1</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; cannot be read: %2</source>
        <translation>Nie można odczytać pliku ISO „%1”: %2</translation>
    </message>
    <message>
        <source>File not readable</source>
        <translation>Nie można odczytać pliku</translation>
    </message>
    <message>
        <source>The disc already holds data. Please insert a blank CD and try again.</source>
        <translation>Płyta zawiera już dane. Włóż czystą płytę CD i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Media not blank</source>
        <translation>Nośnik nie jest czysty</translation>
    </message>
    <message>
        <source>The ISO image needs %1 MB but the disc has only %2 MB free. Please insert a larger blank disc and try again.</source>
        <translation>Obraz ISO wymaga %1 MB, ale na płycie jest wolne tylko %2 MB. Włóż większą czystą płytę i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Disc too small</source>
        <translation>Za mała płyta</translation>
    </message>
    <message>
        <source>ISO burn complete!</source>
        <translation>Nagrywanie obrazu ISO zakończone!</translation>
    </message>
    <message>
        <source>The disc was not read back and compared with the image: this computer&apos;s disc-burning service cannot verify a burn.</source>
        <translation>Płyta nie została ponownie odczytana i porównana z obrazem: usługa nagrywania płyt na tym komputerze nie umożliwia weryfikacji nagrania.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished, and the disc was read back and matches the image.</source>
        <translation>Za późno na zatrzymanie: nagrywanie już się zakończyło, a płyta została odczytana i zgadza się z obrazem.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished.</source>
        <translation>Za późno na zatrzymanie: nagrywanie już się zakończyło.</translation>
    </message>
    <message>
        <source>The recorder did not eject the disc: please take it out by hand.</source>
        <translation>Nagrywarka nie wysunęła płyty: wyjmij ją ręcznie.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Time: %1 / %2</source>
        <translation>Czas: %1 / %2</translation>
    </message>
    <message>
        <source>Validating media %1</source>
        <translation>Sprawdzanie nośnika – %1</translation>
    </message>
    <message>
        <source>Formatting media %1</source>
        <translation>Formatowanie nośnika – %1</translation>
    </message>
    <message>
        <source>Initializing Hardware </source>
        <translation>Inicjowanie sprzętu</translation>
    </message>
    <message>
        <source>Calibrating Power (OPC) </source>
        <translation>Kalibracja mocy lasera (OPC)</translation>
    </message>
    <message>
        <source>Progress:  %1</source>
        <translation>Postęp: %1</translation>
    </message>
    <message>
        <source>Finalizing </source>
        <translation>Zamykanie płyty</translation>
    </message>
    <message>
        <source>Completed the burn.</source>
        <translation>Nagrywanie zakończone.</translation>
    </message>
    <message>
        <source>Verifying the data.</source>
        <translation>Weryfikacja danych.</translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation>Nieznana czynność: %1</translation>
    </message>
    <message>
        <source>Checking the image: %1</source>
        <translation>Sprawdzanie obrazu: %1</translation>
    </message>
    <message>
        <source>The image &apos;%1&apos; does not match the %2 checksum published for it in &apos;%3&apos;.

Expected:
%4
Found:
%5

The download is damaged or incomplete. Please download the image again; the disc has not been touched.</source>
        <translation>Obraz „%1” nie zgadza się z sumą kontrolną %2 opublikowaną dla niego w „%3”.

Oczekiwano:
%4
Znaleziono:
%5

Pobrany plik jest uszkodzony lub niekompletny. Pobierz obraz ponownie; płyta nie została naruszona.</translation>
    </message>
    <message>
        <source>Image damaged</source>
        <translation>Uszkodzony obraz</translation>
    </message>
    <message>
        <source>ISO files(*.iso)</source>
        <translation>Pliki ISO (*.iso)</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Write the image file to the disc in the selected recorder</source>
        <translation>Zapisuje plik obrazu na płycie w wybranej nagrywarce</translation>
    </message>
    <message>
        <source>Browse for ISO file</source>
        <translation>Wybierz plik ISO</translation>
    </message>
    <message>
        <source>Choose the image file to burn</source>
        <translation>Wybór pliku obrazu do nagrania</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version and licence of Pelimor ISO Burn</source>
        <translation>Wersja i licencja programu Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Open the support page in the web browser</source>
        <translation>Otwiera stronę pomocy technicznej w przeglądarce</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>Nagrywarki</translation>
    </message>
    <message>
        <source>The CD/DVD recorders that can write a disc</source>
        <translation>Nagrywarki CD/DVD, które mogą nagrać płytę</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Plik obrazu</translation>
    </message>
    <message>
        <source>The ISO image file that will be burnt</source>
        <translation>Plik obrazu ISO, który zostanie nagrany</translation>
    </message>
    <message>
        <source>Burn status</source>
        <translation>Stan nagrywania</translation>
    </message>
    <message>
        <source>What the recorder is doing</source>
        <translation>Co robi nagrywarka</translation>
    </message>
    <message>
        <source>Pelimor ISO Burn logo</source>
        <translation>Logo programu Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>the recorder is being written by another Pelimor ISO Burn window. Wait until that burn has finished, or choose another recorder.</source>
        <translation>nagrywarka jest właśnie używana przez inne okno Pelimor ISO Burn. Poczekaj, aż tamto nagrywanie się zakończy, albo wybierz inną nagrywarkę.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 w %2</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <translation>%1 w %2: %3</translation>
    </message>
    <message>
        <source>Burn complete</source>
        <translation>Nagrywanie zakończone</translation>
    </message>
    <message>
        <source>The disc in %1 is a rewritable disc that holds data. Erase it and burn the image? Everything on the disc will be lost.</source>
        <translation>Płyta w %1 jest płytą wielokrotnego zapisu, która zawiera dane. Wymazać ją i nagrać obraz? Wszystko, co jest na płycie, zostanie utracone.</translation>
    </message>
    <message>
        <source>Erase the disc?</source>
        <translation>Wymazać płytę?</translation>
    </message>
</context>
<context>
    <name>pelimor::Module1</name>
    <message>
        <source>You&apos;re computer requires an update from Microsoft. Visit Microsoft to update now... %1.</source>
        <translation>Ten komputer wymaga aktualizacji firmy Microsoft. Odwiedź witrynę firmy Microsoft, aby go teraz zaktualizować: %1.</translation>
    </message>
    <message>
        <source>Once you click &apos;OK&apos; you&apos;re browser will open the Microsoft web site follow the directions to install the CD/DVD burning support.</source>
        <translation>Po kliknięciu „OK” przeglądarka otworzy witrynę firmy Microsoft; postępuj zgodnie z instrukcjami, aby zainstalować obsługę nagrywania płyt CD/DVD.</translation>
    </message>
    <message>
        <source>Microsoft download required</source>
        <translation>Wymagane pobranie od firmy Microsoft</translation>
    </message>
</context>
<context>
    <name>pelimor::SleepInhibitor</name>
    <message>
        <source>Writing a disc</source>
        <translation>Trwa nagrywanie płyty</translation>
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
        <translation>Informacje o &amp;systemie...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Ostrzeżenie: ...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <source>The licence, in English, the language in which it is given:</source>
        <translation>Licencja (w oryginalnym brzmieniu angielskim):</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są obecnie niedostępne.</translation>
    </message>
</context>
</TS>
