<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>%1, manca meno di un minuto</translation>
    </message>
    <message>
        <source>%1, about %2 min left</source>
        <translation>%1, mancano circa %2 min</translation>
    </message>
</context>
<context>
    <name>pelimor::Form1</name>
    <message>
        <source>Manufacturer</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Rev.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>  Browse for ISO file</source>
        <translation>  Cerca file ISO</translation>
    </message>
    <message>
        <source>   Burn ISO file to CD   </source>
        <translation>   Masterizza il file ISO su CD   </translation>
    </message>
    <message>
        <source>Eject CD/DVD after burn</source>
        <translation>Espelli il CD/DVD al termine</translation>
    </message>
    <message>
        <source>%1 | Pelimor ISO Burn | ver. %2.%3.%4</source>
        <translation>%1 | Pelimor ISO Burn | versione %2.%3.%4</translation>
    </message>
    <message>
        <source>A burn is in progress. Stopping now will leave the disc unusable. Stop the burn?</source>
        <translation>È in corso una masterizzazione. Interromperla ora renderà il disco inutilizzabile. Interrompere la masterizzazione?</translation>
    </message>
    <message>
        <source>it was stopped before it had finished, and the disc is probably unusable</source>
        <translation>è stata interrotta prima del termine e il disco è probabilmente inutilizzabile</translation>
    </message>
    <message>
        <source>it was stopped before anything was written, and the disc was not changed</source>
        <translation>è stata interrotta prima che fosse scritto qualcosa e il disco non è stato modificato</translation>
    </message>
    <message>
        <source>it was stopped after the disc had been erased; nothing was written to it</source>
        <translation>è stata interrotta dopo la cancellazione del disco; non vi è stato scritto nulla</translation>
    </message>
    <message>
        <source>the recorder did not confirm that the image was written completely</source>
        <translation>il masterizzatore non ha confermato che l’immagine sia stata scritta completamente</translation>
    </message>
    <message>
        <source>Select an ISO image to burn.</source>
        <translation>Selezionare un’immagine ISO da masterizzare.</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; not found!</source>
        <translation>File ISO «%1» non trovato.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>No CD/DVD recorder is selected. Connect a recorder that can write CDs and start the program again.</source>
        <translation>Nessun masterizzatore CD/DVD selezionato. Collegare un masterizzatore in grado di scrivere CD e riavviare il programma.</translation>
    </message>
    <message>
        <source>No recorder</source>
        <translation>Nessun masterizzatore</translation>
    </message>
    <message>
        <source>The burn did not complete: %1</source>
        <translation>La masterizzazione non è stata completata: %1</translation>
    </message>
    <message>
        <source>Burn failed</source>
        <translation>Masterizzazione non riuscita</translation>
    </message>
    <message>
        <source>Insert the disc</source>
        <translation>Inserire il disco</translation>
    </message>
    <message>
        <source>Recorder not support. Try another CDROM drive.</source>
        <translation>Questo masterizzatore non è supportato. Provare con un’altra unità CD.</translation>
    </message>
    <message>
        <source>Recorder not supported</source>
        <translation>Masterizzatore non supportato</translation>
    </message>
    <message>
        <source>No CD in drive or current media not support. Please insert a blank CD and try again.</source>
        <translation>Nessun CD nell’unità, oppure il supporto inserito non è supportato. Inserire un CD vergine e riprovare.</translation>
    </message>
    <message>
        <source>Media not supported</source>
        <translation>Supporto non compatibile</translation>
    </message>
    <message>
        <source>Insert a new/blank CD! Please insert a blank CD and try again.</source>
        <translation>Il disco non è vergine. Inserire un CD nuovo e vergine e riprovare.</translation>
    </message>
    <message>
        <source>Media status - %1</source>
        <translation>Stato del supporto – %1</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; cannot be read: %2</source>
        <translation>Impossibile leggere il file ISO «%1»: %2</translation>
    </message>
    <message>
        <source>File not readable</source>
        <translation>File non leggibile</translation>
    </message>
    <message>
        <source>The disc already holds data. Please insert a blank CD and try again.</source>
        <translation>Il disco contiene già dei dati. Inserire un CD vergine e riprovare.</translation>
    </message>
    <message>
        <source>Media not blank</source>
        <translation>Supporto non vergine</translation>
    </message>
    <message>
        <source>The ISO image needs %1 MB but the disc has only %2 MB free. Please insert a larger blank disc and try again.</source>
        <translation>L’immagine ISO richiede %1 MB, ma sul disco sono liberi solo %2 MB. Inserire un disco vergine più capiente e riprovare.</translation>
    </message>
    <message>
        <source>Disc too small</source>
        <translation>Disco troppo piccolo</translation>
    </message>
    <message>
        <source>ISO burn complete!</source>
        <translation>Masterizzazione dell’immagine ISO completata!</translation>
    </message>
    <message>
        <source>The disc was not read back and compared with the image: this computer&apos;s disc-burning service cannot verify a burn.</source>
        <translation>Il disco non è stato riletto e confrontato con l’immagine: il servizio di masterizzazione di questo computer non è in grado di verificare una masterizzazione.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished, and the disc was read back and matches the image.</source>
        <translation>L&apos;interruzione è arrivata troppo tardi: la masterizzazione era già terminata, e il disco è stato riletto e corrisponde all&apos;immagine.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished.</source>
        <translation>L&apos;interruzione è arrivata troppo tardi: la masterizzazione era già terminata.</translation>
    </message>
    <message>
        <source>The recorder did not eject the disc: please take it out by hand.</source>
        <translation>Il masterizzatore non ha espulso il disco: estrarlo a mano.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Time: %1 / %2</source>
        <translation>Tempo: %1 / %2</translation>
    </message>
    <message>
        <source>Validating media %1</source>
        <translation>Verifica del supporto – %1</translation>
    </message>
    <message>
        <source>Formatting media %1</source>
        <translation>Formattazione del supporto – %1</translation>
    </message>
    <message>
        <source>Initializing Hardware </source>
        <translation>Inizializzazione dell’hardware</translation>
    </message>
    <message>
        <source>Calibrating Power (OPC) </source>
        <translation>Calibrazione della potenza del laser (OPC)</translation>
    </message>
    <message>
        <source>Progress:  %1</source>
        <translation>Avanzamento: %1</translation>
    </message>
    <message>
        <source>Finalizing </source>
        <translation>Finalizzazione del disco</translation>
    </message>
    <message>
        <source>Completed the burn.</source>
        <translation>Masterizzazione completata.</translation>
    </message>
    <message>
        <source>Verifying the data.</source>
        <translation>Verifica dei dati.</translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation>Operazione sconosciuta: %1</translation>
    </message>
    <message>
        <source>Checking the image: %1</source>
        <translation>Controllo dell’immagine: %1</translation>
    </message>
    <message>
        <source>The image &apos;%1&apos; does not match the %2 checksum published for it in &apos;%3&apos;.

Expected:
%4
Found:
%5

The download is damaged or incomplete. Please download the image again; the disc has not been touched.</source>
        <translation>L’immagine «%1» non corrisponde al checksum %2 pubblicato per essa in «%3».

Atteso:
%4
Trovato:
%5

Il download è danneggiato o incompleto. Scaricare di nuovo l’immagine; il disco non è stato toccato.</translation>
    </message>
    <message>
        <source>Image damaged</source>
        <translation>Immagine danneggiata</translation>
    </message>
    <message>
        <source>ISO files(*.iso)</source>
        <translation>File ISO (*.iso)</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Masterizza</translation>
    </message>
    <message>
        <source>Write the image file to the disc in the selected recorder</source>
        <translation>Scrive il file immagine sul disco nel masterizzatore selezionato</translation>
    </message>
    <message>
        <source>Browse for ISO file</source>
        <translation>Cerca file ISO</translation>
    </message>
    <message>
        <source>Choose the image file to burn</source>
        <translation>Sceglie il file immagine da masterizzare</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version and licence of Pelimor ISO Burn</source>
        <translation>Versione e licenza di Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Open the support page in the web browser</source>
        <translation>Apre la pagina di assistenza nel browser web</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>Masterizzatori</translation>
    </message>
    <message>
        <source>The CD/DVD recorders that can write a disc</source>
        <translation>I masterizzatori CD/DVD in grado di scrivere un disco</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>The ISO image file that will be burnt</source>
        <translation>Il file immagine ISO che verrà masterizzato</translation>
    </message>
    <message>
        <source>Burn status</source>
        <translation>Stato della masterizzazione</translation>
    </message>
    <message>
        <source>What the recorder is doing</source>
        <translation>Che cosa sta facendo il masterizzatore</translation>
    </message>
    <message>
        <source>Pelimor ISO Burn logo</source>
        <translation>Logo di Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>the recorder is being written by another Pelimor ISO Burn window. Wait until that burn has finished, or choose another recorder.</source>
        <translation>il masterizzatore è in uso da un’altra finestra di Pelimor ISO Burn. Attendere il termine di quella masterizzazione o scegliere un altro masterizzatore.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <translation>%1 su %2: %3</translation>
    </message>
    <message>
        <source>Burn complete</source>
        <translation>Masterizzazione completata</translation>
    </message>
    <message>
        <source>The disc in %1 is a rewritable disc that holds data. Erase it and burn the image? Everything on the disc will be lost.</source>
        <translation>Il disco in %1 è un disco riscrivibile che contiene dati. Cancellarlo e masterizzare l’immagine? Tutto ciò che si trova sul disco andrà perso.</translation>
    </message>
    <message>
        <source>Erase the disc?</source>
        <translation>Cancellare il disco?</translation>
    </message>
</context>
<context>
    <name>pelimor::Module1</name>
    <message>
        <source>You&apos;re computer requires an update from Microsoft. Visit Microsoft to update now... %1.</source>
        <translation>Il computer richiede un aggiornamento di Microsoft. Visitare il sito di Microsoft per aggiornarlo ora: %1.</translation>
    </message>
    <message>
        <source>Once you click &apos;OK&apos; you&apos;re browser will open the Microsoft web site follow the directions to install the CD/DVD burning support.</source>
        <translation>Dopo aver fatto clic su «OK», il browser aprirà il sito web di Microsoft: seguire le istruzioni per installare il supporto alla masterizzazione di CD/DVD.</translation>
    </message>
    <message>
        <source>Microsoft download required</source>
        <translation>Download di Microsoft necessario</translation>
    </message>
</context>
<context>
    <name>pelimor::SleepInhibitor</name>
    <message>
        <source>Writing a disc</source>
        <translation>Masterizzazione di un disco in corso</translation>
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
        <translation>Informazioni di &amp;sistema...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Avviso: ...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>The licence, in English, the language in which it is given:</source>
        <translation>Licenza (nel testo originale inglese):</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono al momento disponibili.</translation>
    </message>
</context>
</TS>
