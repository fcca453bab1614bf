<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>%1, noch weniger als eine Minute</translation>
    </message>
    <message>
        <source>%1, about %2 min left</source>
        <translation>%1, noch etwa %2 Min.</translation>
    </message>
</context>
<context>
    <name>pelimor::Form1</name>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Rev.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>  Browse for ISO file</source>
        <translation>  ISO-Datei suchen</translation>
    </message>
    <message>
        <source>   Burn ISO file to CD   </source>
        <translation>   ISO-Datei auf CD brennen   </translation>
    </message>
    <message>
        <source>Eject CD/DVD after burn</source>
        <translation>Nach dem Brennen auswerfen</translation>
    </message>
    <message>
        <source>%1 | Pelimor ISO Burn | ver. %2.%3.%4</source>
        <translation>%1 | Pelimor ISO Burn | Version %2.%3.%4</translation>
    </message>
    <message>
        <source>A burn is in progress. Stopping now will leave the disc unusable. Stop the burn?</source>
        <translation>Es wird gerade gebrannt. Wenn Sie jetzt abbrechen, ist die Disc danach unbrauchbar. Brennvorgang abbrechen?</translation>
    </message>
    <message>
        <source>it was stopped before it had finished, and the disc is probably unusable</source>
        <translation>er wurde vor dem Ende abgebrochen, und die Disc ist wahrscheinlich unbrauchbar</translation>
    </message>
    <message>
        <source>it was stopped before anything was written, and the disc was not changed</source>
        <translation>er wurde abgebrochen, bevor etwas geschrieben wurde, und die Disc blieb unverändert</translation>
    </message>
    <message>
        <source>it was stopped after the disc had been erased; nothing was written to it</source>
        <translation>er wurde abgebrochen, nachdem die Disc gelöscht worden war; es wurde nichts auf sie geschrieben</translation>
    </message>
    <message>
        <source>the recorder did not confirm that the image was written completely</source>
        <translation>der Brenner hat nicht bestätigt, dass das Abbild vollständig geschrieben wurde</translation>
    </message>
    <message>
        <source>Select an ISO image to burn.</source>
        <translation>Wählen Sie ein ISO-Abbild zum Brennen aus.</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; not found!</source>
        <translation>Die ISO-Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>No CD/DVD recorder is selected. Connect a recorder that can write CDs and start the program again.</source>
        <translation>Es ist kein CD/DVD-Brenner ausgewählt. Schließen Sie einen Brenner an, der CDs beschreiben kann, und starten Sie das Programm neu.</translation>
    </message>
    <message>
        <source>No recorder</source>
        <translation>Kein Brenner</translation>
    </message>
    <message>
        <source>The burn did not complete: %1</source>
        <translation>Der Brennvorgang wurde nicht abgeschlossen: %1</translation>
    </message>
    <message>
        <source>Burn failed</source>
        <translation>Brennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Insert the disc</source>
        <translation>Disc einlegen</translation>
    </message>
    <message>
        <source>Recorder not support. Try another CDROM drive.</source>
        <translation>Dieser Brenner wird nicht unterstützt. Versuchen Sie es mit einem anderen CD-Laufwerk.</translation>
    </message>
    <message>
        <source>Recorder not supported</source>
        <translation>Brenner nicht unterstützt</translation>
    </message>
    <message>
        <source>No CD in drive or current media not support. Please insert a blank CD and try again.</source>
        <translation>Im Laufwerk liegt keine CD, oder das eingelegte Medium wird nicht unterstützt. Bitte legen Sie eine leere CD ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Media not supported</source>
        <translation>Medium nicht unterstützt</translation>
    </message>
    <message>
        <source>Insert a new/blank CD! Please insert a blank CD and try again.</source>
        <translation>Die Disc ist nicht leer. Bitte legen Sie eine neue, leere CD ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Media status - %1</source>
        <translation>Medienstatus – %1</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; cannot be read: %2</source>
        <translation>Die ISO-Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>File not readable</source>
        <translation>Datei nicht lesbar</translation>
    </message>
    <message>
        <source>The disc already holds data. Please insert a blank CD and try again.</source>
        <translation>Die Disc enthält bereits Daten. Bitte legen Sie eine leere CD ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Media not blank</source>
        <translation>Medium nicht leer</translation>
    </message>
    <message>
        <source>The ISO image needs %1 MB but the disc has only %2 MB free. Please insert a larger blank disc and try again.</source>
        <translation>Das ISO-Abbild benötigt %1 MB, auf der Disc sind aber nur %2 MB frei. Bitte legen Sie eine größere leere Disc ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Disc too small</source>
        <translation>Disc zu klein</translation>
    </message>
    <message>
        <source>ISO burn complete!</source>
        <translation>Das ISO-Abbild wurde gebrannt!</translation>
    </message>
    <message>
        <source>The disc was not read back and compared with the image: this computer&apos;s disc-burning service cannot verify a burn.</source>
        <translation>Die Disc wurde nicht zurückgelesen und mit dem Abbild verglichen: Der Brenndienst dieses Computers kann einen Brennvorgang nicht überprüfen.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished, and the disc was read back and matches the image.</source>
        <translation>Der Abbruch kam zu spät: Der Brennvorgang war bereits abgeschlossen, und die Disc wurde zurückgelesen und stimmt mit dem Abbild überein.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished.</source>
        <translation>Der Abbruch kam zu spät: Der Brennvorgang war bereits abgeschlossen.</translation>
    </message>
    <message>
        <source>The recorder did not eject the disc: please take it out by hand.</source>
        <translation>Der Brenner hat die Disc nicht ausgeworfen: Bitte nehmen Sie sie von Hand heraus.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Time: %1 / %2</source>
        <translation>Zeit: %1 / %2</translation>
    </message>
    <message>
        <source>Validating media %1</source>
        <translation>Medium wird geprüft – %1</translation>
    </message>
    <message>
        <source>Formatting media %1</source>
        <translation>Medium wird formatiert – %1</translation>
    </message>
    <message>
        <source>Initializing Hardware </source>
        <translation>Hardware wird initialisiert</translation>
    </message>
    <message>
        <source>Calibrating Power (OPC) </source>
        <translation>Laserleistung wird kalibriert (OPC)</translation>
    </message>
    <message>
        <source>Progress:  %1</source>
        <translation>Fortschritt: %1</translation>
    </message>
    <message>
        <source>Finalizing </source>
        <translation>Disc wird abgeschlossen</translation>
    </message>
    <message>
        <source>Completed the burn.</source>
        <translation>Brennvorgang abgeschlossen.</translation>
    </message>
    <message>
        <source>Verifying the data.</source>
        <translation>Daten werden überprüft.</translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation>Unbekannter Vorgang: %1</translation>
    </message>
    <message>
        <source>Checking the image: %1</source>
        <translation>Abbild wird geprüft: %1</translation>
    </message>
    <message>
        <source>The image &apos;%1&apos; does not match the %2 checksum published for it in &apos;%3&apos;.

Expected:
%4
Found:
%5

The download is damaged or incomplete. Please download the image again; the disc has not been touched.</source>
        <translation>Das Abbild „%1“ stimmt nicht mit der %2-Prüfsumme überein, die in „%3“ dafür veröffentlicht ist.

Erwartet:
%4
Gefunden:
%5

Der Download ist beschädigt oder unvollständig. Bitte laden Sie das Abbild erneut herunter; die Disc wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Image damaged</source>
        <translation>Abbild beschädigt</translation>
    </message>
    <message>
        <source>ISO files(*.iso)</source>
        <translation>ISO-Dateien (*.iso)</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Brennen</translation>
    </message>
    <message>
        <source>Write the image file to the disc in the selected recorder</source>
        <translation>Schreibt die Abbilddatei auf die Disc im ausgewählten Brenner</translation>
    </message>
    <message>
        <source>Browse for ISO file</source>
        <translation>ISO-Datei suchen</translation>
    </message>
    <message>
        <source>Choose the image file to burn</source>
        <translation>Wählt die Abbilddatei aus, die gebrannt werden soll</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version and licence of Pelimor ISO Burn</source>
        <translation>Version und Lizenz von Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Open the support page in the web browser</source>
        <translation>Öffnet die Support-Seite im Webbrowser</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>Brenner</translation>
    </message>
    <message>
        <source>The CD/DVD recorders that can write a disc</source>
        <translation>Die CD/DVD-Brenner, die eine Disc beschreiben können</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Abbilddatei</translation>
    </message>
    <message>
        <source>The ISO image file that will be burnt</source>
        <translation>Die ISO-Abbilddatei, die gebrannt wird</translation>
    </message>
    <message>
        <source>Burn status</source>
        <translation>Brennstatus</translation>
    </message>
    <message>
        <source>What the recorder is doing</source>
        <translation>Was der Brenner gerade tut</translation>
    </message>
    <message>
        <source>Pelimor ISO Burn logo</source>
        <translation>Logo von Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>the recorder is being written by another Pelimor ISO Burn window. Wait until that burn has finished, or choose another recorder.</source>
        <translation>der Brenner wird gerade von einem anderen Fenster von Pelimor ISO Burn beschrieben. Warten Sie, bis dieser Brennvorgang beendet ist, oder wählen Sie einen anderen Brenner.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <translation>%1 auf %2: %3</translation>
    </message>
    <message>
        <source>Burn complete</source>
        <translation>Brennen abgeschlossen</translation>
    </message>
    <message>
        <source>The disc in %1 is a rewritable disc that holds data. Erase it and burn the image? Everything on the disc will be lost.</source>
        <translation>Die Disc in %1 ist eine wiederbeschreibbare Disc, die Daten enthält. Soll sie gelöscht und das Abbild gebrannt werden? Alles auf der Disc geht verloren.</translation>
    </message>
    <message>
        <source>Erase the disc?</source>
        <translation>Disc löschen?</translation>
    </message>
</context>
<context>
    <name>pelimor::Module1</name>
    <message>
        <source>You&apos;re computer requires an update from Microsoft. Visit Microsoft to update now... %1.</source>
        <translation>Ihr Computer benötigt ein Update von Microsoft. Besuchen Sie Microsoft, um ihn jetzt zu aktualisieren: %1.</translation>
    </message>
    <message>
        <source>Once you click &apos;OK&apos; you&apos;re browser will open the Microsoft web site follow the directions to install the CD/DVD burning support.</source>
        <translation>Sobald Sie auf „OK“ klicken, öffnet Ihr Browser die Website von Microsoft. Folgen Sie dort den Anweisungen, um die Unterstützung für das Brennen von CDs/DVDs zu installieren.</translation>
    </message>
    <message>
        <source>Microsoft download required</source>
        <translation>Download von Microsoft erforderlich</translation>
    </message>
</context>
<context>
    <name>pelimor::SleepInhibitor</name>
    <message>
        <source>Writing a disc</source>
        <translation>Eine Disc wird gebrannt</translation>
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
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Warnung: ...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>The licence, in English, the language in which it is given:</source>
        <translation>Lizenzbedingungen (im englischen Originalwortlaut):</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar.</translation>
    </message>
</context>
</TS>
