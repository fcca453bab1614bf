<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>%1, queda menos de un minuto</translation>
    </message>
    <message>
        <source>%1, about %2 min left</source>
        <translation>%1, quedan unos %2 min</translation>
    </message>
</context>
<context>
    <name>pelimor::Form1</name>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>Rev.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>  Browse for ISO file</source>
        <translation>  Buscar archivo ISO</translation>
    </message>
    <message>
        <source>   Burn ISO file to CD   </source>
        <translation>   Grabar archivo ISO en CD   </translation>
    </message>
    <message>
        <source>Eject CD/DVD after burn</source>
        <translation>Expulsar CD/DVD al terminar</translation>
    </message>
    <message>
        <source>%1 | Pelimor ISO Burn | ver. %2.%3.%4</source>
        <translation>%1 | Pelimor ISO Burn | versión %2.%3.%4</translation>
    </message>
    <message>
        <source>A burn is in progress. Stopping now will leave the disc unusable. Stop the burn?</source>
        <translation>Hay una grabación en curso. Si la detiene ahora, el disco quedará inservible. ¿Detener la grabación?</translation>
    </message>
    <message>
        <source>it was stopped before it had finished, and the disc is probably unusable</source>
        <translation>se detuvo antes de terminar y probablemente el disco ha quedado inservible</translation>
    </message>
    <message>
        <source>it was stopped before anything was written, and the disc was not changed</source>
        <translation>se detuvo antes de escribir nada y el disco no ha cambiado</translation>
    </message>
    <message>
        <source>it was stopped after the disc had been erased; nothing was written to it</source>
        <translation>se detuvo después de borrar el disco; no se escribió nada en él</translation>
    </message>
    <message>
        <source>the recorder did not confirm that the image was written completely</source>
        <translation>la grabadora no confirmó que la imagen se hubiera escrito por completo</translation>
    </message>
    <message>
        <source>Select an ISO image to burn.</source>
        <translation>Seleccione una imagen ISO para grabar.</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; not found!</source>
        <translation>No se encontró el archivo ISO «%1».</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>No CD/DVD recorder is selected. Connect a recorder that can write CDs and start the program again.</source>
        <translation>No hay ninguna grabadora de CD/DVD seleccionada. Conecte una grabadora que pueda grabar CD y vuelva a iniciar el programa.</translation>
    </message>
    <message>
        <source>No recorder</source>
        <translation>Sin grabadora</translation>
    </message>
    <message>
        <source>The burn did not complete: %1</source>
        <translation>La grabación no se completó: %1</translation>
    </message>
    <message>
        <source>Burn failed</source>
        <translation>Error de grabación</translation>
    </message>
    <message>
        <source>Insert the disc</source>
        <translation>Inserte el disco</translation>
    </message>
    <message>
        <source>Recorder not support. Try another CDROM drive.</source>
        <translation>Esta grabadora no es compatible. Pruebe con otra unidad de CD.</translation>
    </message>
    <message>
        <source>Recorder not supported</source>
        <translation>Grabadora no compatible</translation>
    </message>
    <message>
        <source>No CD in drive or current media not support. Please insert a blank CD and try again.</source>
        <translation>No hay ningún CD en la unidad o el disco insertado no es compatible. Inserte un CD virgen y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Media not supported</source>
        <translation>Disco no compatible</translation>
    </message>
    <message>
        <source>Insert a new/blank CD! Please insert a blank CD and try again.</source>
        <translation>El disco no está virgen. Inserte un CD nuevo y virgen y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Media status - %1</source>
        <translation>Estado del disco – %1</translation>
    </message>
    <message>
        <source>ISO file &apos;%1&apos; cannot be read: %2</source>
        <translation>No se puede leer el archivo ISO «%1»: %2</translation>
    </message>
    <message>
        <source>File not readable</source>
        <translation>Archivo ilegible</translation>
    </message>
    <message>
        <source>The disc already holds data. Please insert a blank CD and try again.</source>
        <translation>El disco ya contiene datos. Inserte un CD virgen y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Media not blank</source>
        <translation>Disco no virgen</translation>
    </message>
    <message>
        <source>The ISO image needs %1 MB but the disc has only %2 MB free. Please insert a larger blank disc and try again.</source>
        <translation>La imagen ISO necesita %1 MB, pero el disco solo tiene %2 MB libres. Inserte un disco virgen de mayor capacidad y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Disc too small</source>
        <translation>Disco demasiado pequeño</translation>
    </message>
    <message>
        <source>ISO burn complete!</source>
        <translation>¡La imagen ISO se ha grabado!</translation>
    </message>
    <message>
        <source>The disc was not read back and compared with the image: this computer&apos;s disc-burning service cannot verify a burn.</source>
        <translation>El disco no se ha vuelto a leer para compararlo con la imagen: el servicio de grabación de discos de este equipo no puede verificar una grabación.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished, and the disc was read back and matches the image.</source>
        <translation>La detención llegó demasiado tarde: la grabación ya había terminado, y el disco se ha vuelto a leer y coincide con la imagen.</translation>
    </message>
    <message>
        <source>The stop came too late: the burn had already finished.</source>
        <translation>La detención llegó demasiado tarde: la grabación ya había terminado.</translation>
    </message>
    <message>
        <source>The recorder did not eject the disc: please take it out by hand.</source>
        <translation>La grabadora no ha expulsado el disco: sáquelo a mano.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Time: %1 / %2</source>
        <translation>Tiempo: %1 / %2</translation>
    </message>
    <message>
        <source>Validating media %1</source>
        <translation>Validando el disco – %1</translation>
    </message>
    <message>
        <source>Formatting media %1</source>
        <translation>Formateando el disco – %1</translation>
    </message>
    <message>
        <source>Initializing Hardware </source>
        <translation>Inicializando el hardware</translation>
    </message>
    <message>
        <source>Calibrating Power (OPC) </source>
        <translation>Calibrando la potencia del láser (OPC)</translation>
    </message>
    <message>
        <source>Progress:  %1</source>
        <translation>Progreso: %1</translation>
    </message>
    <message>
        <source>Finalizing </source>
        <translation>Finalizando el disco</translation>
    </message>
    <message>
        <source>Completed the burn.</source>
        <translation>Grabación completada.</translation>
    </message>
    <message>
        <source>Verifying the data.</source>
        <translation>Verificando los datos.</translation>
    </message>
    <message>
        <source>Unknown action: %1</source>
        <translation>Acción desconocida: %1</translation>
    </message>
    <message>
        <source>Checking the image: %1</source>
        <translation>Comprobando la imagen: %1</translation>
    </message>
    <message>
        <source>The image &apos;%1&apos; does not match the %2 checksum published for it in &apos;%3&apos;.

Expected:
%4
Found:
%5

The download is damaged or incomplete. Please download the image again; the disc has not been touched.</source>
        <translation>La imagen «%1» no coincide con la suma de comprobación %2 publicada para ella en «%3».

Esperada:
%4
Encontrada:
%5

La descarga está dañada o incompleta. Vuelva a descargar la imagen; el disco no se ha tocado.</translation>
    </message>
    <message>
        <source>Image damaged</source>
        <translation>Imagen dañada</translation>
    </message>
    <message>
        <source>ISO files(*.iso)</source>
        <translation>Archivos ISO (*.iso)</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Write the image file to the disc in the selected recorder</source>
        <translation>Graba el archivo de imagen en el disco de la grabadora seleccionada</translation>
    </message>
    <message>
        <source>Browse for ISO file</source>
        <translation>Buscar archivo ISO</translation>
    </message>
    <message>
        <source>Choose the image file to burn</source>
        <translation>Elige el archivo de imagen que se va a grabar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version and licence of Pelimor ISO Burn</source>
        <translation>Versión y licencia de Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Open the support page in the web browser</source>
        <translation>Abre la página de soporte en el navegador web</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>Grabadoras</translation>
    </message>
    <message>
        <source>The CD/DVD recorders that can write a disc</source>
        <translation>Las grabadoras de CD/DVD que pueden grabar un disco</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Archivo de imagen</translation>
    </message>
    <message>
        <source>The ISO image file that will be burnt</source>
        <translation>El archivo de imagen ISO que se va a grabar</translation>
    </message>
    <message>
        <source>Burn status</source>
        <translation>Estado de la grabación</translation>
    </message>
    <message>
        <source>What the recorder is doing</source>
        <translation>Lo que está haciendo la grabadora</translation>
    </message>
    <message>
        <source>Pelimor ISO Burn logo</source>
        <translation>Logotipo de Pelimor ISO Burn</translation>
    </message>
    <message>
        <source>the recorder is being written by another Pelimor ISO Burn window. Wait until that burn has finished, or choose another recorder.</source>
        <translation>otra ventana de Pelimor ISO Burn está grabando en la grabadora. Espere a que termine esa grabación o elija otra grabadora.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <translation>%1 en %2: %3</translation>
    </message>
    <message>
        <source>Burn complete</source>
        <translation>Grabación completada</translation>
    </message>
    <message>
        <source>The disc in %1 is a rewritable disc that holds data. Erase it and burn the image? Everything on the disc will be lost.</source>
        <translation>El disco de %1 es un disco regrabable que contiene datos. ¿Borrarlo y grabar la imagen? Se perderá todo lo que contiene el disco.</translation>
    </message>
    <message>
        <source>Erase the disc?</source>
        <translation>¿Borrar el disco?</translation>
    </message>
</context>
<context>
    <name>pelimor::Module1</name>
    <message>
        <source>You&apos;re computer requires an update from Microsoft. Visit Microsoft to update now... %1.</source>
        <translation>Su equipo necesita una actualización de Microsoft. Visite Microsoft para actualizarlo ahora: %1.</translation>
    </message>
    <message>
        <source>Once you click &apos;OK&apos; you&apos;re browser will open the Microsoft web site follow the directions to install the CD/DVD burning support.</source>
        <translation>Cuando haga clic en «Aceptar», el navegador abrirá el sitio web de Microsoft; siga las instrucciones para instalar la compatibilidad con la grabación de CD/DVD.</translation>
    </message>
    <message>
        <source>Microsoft download required</source>
        <translation>Se necesita una descarga de Microsoft</translation>
    </message>
</context>
<context>
    <name>pelimor::SleepInhibitor</name>
    <message>
        <source>Writing a disc</source>
        <translation>Grabando un disco</translation>
    </message>
</context>
<context>
    <name>pelimor::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Advertencia: ...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>The licence, in English, the language in which it is given:</source>
        <translation>Licencia (en su texto original en inglés):</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento.</translation>
    </message>
</context>
</TS>
