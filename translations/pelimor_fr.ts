<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>pelimor::BurnRate</name>
    <message>
        <source>%1 MB/s (%2x)</source>
        <translation>%1 Mo/s (%2x)</translation>
    </message>
    <message>
        <source>%1 MB/s</source>
        <translation>%1 Mo/s</translation>
    </message>
    <message>
        <source>%1, less than a minute left</source>
        <translation>%1, moins d’une minute restante</translation>
    </message>
    <message>
        <source>%1, about %2 min left</source>
        <translation>%1, environ %2 min restantes</translation>
    </message>
</context>
<context>
    <name>pelimor::Form1</name>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Rév.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>  Browse for ISO file</source>
        <translation>  Rechercher un fichier ISO</translation>
    </message>
    <message>
        <source>   Burn ISO file to CD   </source>
        <translation>   Graver le fichier ISO sur CD   </translation>
    </message>
    <message>
        <source>Eject CD/DVD after burn</source>
        <translation>Éjecter le disque à la fin</translation>
    </message>
    <message>
        <source>%1 | Pelimor ISO Burn | ver. %2.%3.%4</source>
        <translation>%1 | Pelimor ISO Burn | version %2.%3.%4</translation>
    </message>
    <message>
        <source>A burn is in progress. Stopping now will leave the disc unusable. Stop the burn?</source>
        <translation>Une gravure est en cours. L’arrêter maintenant rendra le disque inutilisable. Arrêter la gravure&#xa0;?</translation>
    </message>
    <message>
        <source>it was stopped before it had finished, and the disc is probably unusable</source>
        <translation>elle a été arrêtée avant la fin et le disque est probablement inutilisable</translation>
    </message>
    <message>
        <source>it was stopped before anything was written, and the disc was not changed</source>
        <translation>elle a été arrêtée avant que rien ne soit écrit, et le disque n’a pas été modifié</translation>
    </message>
    <message>
        <source>it was stopped after the disc had been erased; nothing was written to it</source>
        <translation>elle a été arrêtée après l’effacement du disque&#xa0;; rien n’y a été écrit</translation>
    </message>
    <message>
        <source>the recorder did not confirm that the image was written completely</source>
        <translation>le graveur n’a pas confirmé que l’image a été entièrement écrite</translation>
    </message>
    <message>
        <source>Select an ISO image to burn.</source>
        <translation>Sélectionnez une image ISO à graver.</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; not found!</source>
        <translation>Fichier ISO «&#xa0;%1&#xa0;» introuvable.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>No CD/DVD recorder is selected. Connect a recorder that can write CDs and start the program again.</source>
        <translation>Aucun graveur de CD/DVD n’est sélectionné. Branchez un graveur capable d’écrire des CD et redémarrez le programme.</translation>
    </message>
    <message>
        <source>No recorder</source>
        <translation>Aucun graveur</translation>
    </message>
    <message>
        <source>The burn did not complete: %1</source>
        <translation>La gravure n’a pas abouti&#xa0;: %1</translation>
    </message>
    <message>
        <source>Burn failed</source>
        <translation>Échec de la gravure</translation>
    </message>
    <message>
        <source>Insert the disc</source>
        <translation>Insérez le disque</translation>
    </message>
    <message>
        <source>Recorder not support. Try another CDROM drive.</source>
        <translation>Ce graveur n’est pas pris en charge. Essayez un autre lecteur de CD.</translation>
    </message>
    <message>
        <source>Recorder not supported</source>
        <translation>Graveur non pris en charge</translation>
    </message>
    <message>
        <source>No CD in drive or current media not support. Please insert a blank CD and try again.</source>
        <translation>Aucun CD dans le lecteur, ou le support inséré n’est pas pris en charge. Insérez un CD vierge et réessayez.</translation>
    </message>
    <message>
        <source>Media not supported</source>
        <translation>Support non pris en charge</translation>
    </message>
    <message>
        <source>Insert a new/blank CD! Please insert a blank CD and try again.</source>
        <translation>Le disque n’est pas vierge. Insérez un CD neuf et vierge, puis réessayez.</translation>
    </message>
    <message>
        <source>Media status - %1</source>
        <translation>État du support – %1</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; cannot be read: %2</source>
        <translation>Impossible de lire le fichier ISO «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>File not readable</source>
        <translation>Fichier illisible</translation>
    </message>
    <message>
        <source>The disc already holds data. Please insert a blank CD and try again.</source>
        <translation>Le disque contient déjà des données. Insérez un CD vierge et réessayez.</translation>
    </message>
    <message>
        <source>Media not blank</source>
        <translation>Support non vierge</translation>
    </message>
    <message>
        <source>The ISO image needs %1 MB but the disc has only %2 MB free. Please insert a larger blank disc and try again.</source>
        <translation>L’image ISO nécessite %1 Mo, mais le disque n’a que %2 Mo de libre. Insérez un disque vierge plus grand et réessayez.</translation>
    </message>
    <message>
        <source>Disc too small</source>
        <translation>Disque trop petit</translation>
    </message>
    <message>
        <source>ISO burn complete!</source>
        <translation>Gravure de l’image ISO terminée&#xa0;!</translation>
    </message>
    <message>
        <source>The disc was not read back and compared with the image: this computer&apos;s disc-burning service cannot verify a burn.</source>
        <translation>Le disque n’a pas été relu ni comparé à l’image&#xa0;: le service de gravure de cet ordinateur ne peut pas vérifier une gravure.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished, and the disc was read back and matches the image.</source>
        <translation>L’arrêt est arrivé trop tard&#xa0;: la gravure était déjà terminée, et le disque a été relu et correspond à l’image.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished.</source>
        <translation>L’arrêt est arrivé trop tard&#xa0;: la gravure était déjà terminée.</translation>
    </message>
    <message>
        <source>The recorder did not eject the disc: please take it out by hand.</source>
        <translation>Le graveur n’a pas éjecté le disque&#xa0;: veuillez le retirer à la main.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Time: %1 / %2</source>
        <translation>Temps&#xa0;: %1 / %2</translation>
    </message>
    <message>
        <source>Validating media %1</source>
        <translation>Vérification du support – %1</translation>
    </message>
    <message>
        <source>Formatting media %1</source>
        <translation>Formatage du support – %1</translation>
    </message>
    <message>
        <source>Initializing Hardware </source>
        <translation>Initialisation du matériel</translation>
    </message>
    <message>
        <source>Calibrating Power (OPC) </source>
        <translation>Calibrage de la puissance laser (OPC)</translation>
    </message>
    <message>
        <source>Progress:  %1</source>
        <translation>Progression&#xa0;: %1</translation>
    </message>
    <message>
        <source>Finalizing </source>
        <translation>Finalisation du disque</translation>
    </message>
    <message>
        <source>Completed the burn.</source>
        <translation>Gravure terminée.</translation>
    </message>
    <message>
        <source>Verifying the data.</source>
        <translation>Vérification des données.</translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation>Action inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Checking the image: %1</source>
        <translation>Vérification de l’image&#xa0;: %1</translation>
    </message>
    <message>
        <source>The image &apos;%1&apos; does not match the %2 checksum published for it in &apos;%3&apos;.

Expected:
%4
Found:
%5

The download is damaged or incomplete. Please download the image again; the disc has not been touched.</source>
        <translation>L’image «&#xa0;%1&#xa0;» ne correspond pas à la somme de contrôle %2 publiée pour elle dans «&#xa0;%3&#xa0;».

Attendue&#xa0;:
%4
Trouvée&#xa0;:
%5

Le téléchargement est endommagé ou incomplet. Téléchargez de nouveau l’image&#xa0;; le disque n’a pas été touché.</translation>
    </message>
    <message>
        <source>Image damaged</source>
        <translation>Image endommagée</translation>
    </message>
    <message>
        <source>ISO files(*.iso)</source>
        <translation>Fichiers ISO (*.iso)</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Graver</translation>
    </message>
    <message>
        <source>Write the image file to the disc in the selected recorder</source>
        <translation>Écrit le fichier image sur le disque du graveur sélectionné</translation>
    </message>
    <message>
        <source>Browse for ISO file</source>
        <translation>Rechercher un fichier ISO</translation>
    </message>
    <message>
        <source>Choose the image file to burn</source>
        <translation>Choisit le fichier image à graver</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version and licence of Pelimor ISO Burn</source>
        <translation>Version et licence de Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Open the support page in the web browser</source>
        <translation>Ouvre la page d’assistance dans le navigateur web</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>Graveurs</translation>
    </message>
    <message>
        <source>The CD/DVD recorders that can write a disc</source>
        <translation>Les graveurs de CD/DVD capables d’écrire un disque</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Fichier image</translation>
    </message>
    <message>
        <source>The ISO image file that will be burnt</source>
        <translation>Le fichier image ISO qui sera gravé</translation>
    </message>
    <message>
        <source>Burn status</source>
        <translation>État de la gravure</translation>
    </message>
    <message>
        <source>What the recorder is doing</source>
        <translation>Ce que fait le graveur</translation>
    </message>
    <message>
        <source>Pelimor ISO Burn logo</source>
        <translation>Logo de Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>the recorder is being written by another Pelimor ISO Burn window. Wait until that burn has finished, or choose another recorder.</source>
        <translation>une autre fenêtre de Pelimor ISO Burn est en train d’écrire sur ce graveur. Attendez la fin de cette gravure ou choisissez un autre graveur.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <translation>%1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Burn complete</source>
        <translation>Gravure terminée</translation>
    </message>
    <message>
        <source>The disc in %1 is a rewritable disc that holds data. Erase it and burn the image? Everything on the disc will be lost.</source>
        <translation>Le disque dans %1 est un disque réinscriptible qui contient des données. L’effacer et graver l’image ? Tout ce qui se trouve sur le disque sera perdu.</translation>
    </message>
    <message>
        <source>Erase the disc?</source>
        <translation>Effacer le disque ?</translation>
    </message>
</context>
<context>
    <name>pelimor::Module1</name>
    <message>
        <source>You&apos;re computer requires an update from Microsoft. Visit Microsoft to update now... %1.</source>
        <translation>Votre ordinateur a besoin d’une mise à jour de Microsoft. Rendez-vous sur le site de Microsoft pour l’installer maintenant&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Once you click &apos;OK&apos; you&apos;re browser will open the Microsoft web site follow the directions to install the CD/DVD burning support.</source>
        <translation>Lorsque vous aurez cliqué sur «&#xa0;OK&#xa0;», votre navigateur ouvrira le site web de Microsoft&#xa0;; suivez les instructions pour installer la prise en charge de la gravure de CD/DVD.</translation>
    </message>
    <message>
        <source>Microsoft download required</source>
        <translation>Téléchargement Microsoft nécessaire</translation>
    </message>
</context>
<context>
    <name>pelimor::SleepInhibitor</name>
    <message>
        <source>Writing a disc</source>
        <translation>Gravure d’un disque en cours</translation>
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
        <translation>Infos &amp;système...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Avertissement&#xa0;: ...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>The licence, in English, the language in which it is given:</source>
        <translation>Licence (dans son texte original anglais)&#xa0;:</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment.</translation>
    </message>
</context>
</TS>
