<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>HistoryWindow</name>
    <message>
        <source>The shared history server is not used: %1</source>
        <translation>No se usa el servidor de historial compartido: %1</translation>
    </message>
    <message>
        <source>Connecting to the shared history server...</source>
        <translation>Conectando con el servidor de historial compartido...</translation>
    </message>
    <message>
        <source>The shared history server cannot be reached (%1). %2 record(s) wait to be sent.</source>
        <translation>No se puede acceder al servidor de historial compartido (%1). Entradas pendientes de envío: %2.</translation>
    </message>
    <message>
        <source>Every record has reached the shared history server.</source>
        <translation>Todas las entradas han llegado al servidor de historial compartido.</translation>
    </message>
    <message>
        <source>%1 record(s) wait to be sent to the shared history server.</source>
        <translation>Entradas pendientes de envío al servidor de historial compartido: %1.</translation>
    </message>
    <message>
        <source>Shared history not used</source>
        <translation>Historial compartido sin usar</translation>
    </message>
    <message>
        <source>The shared history server is not used: %1.

Upgrades work and are recorded in this computer&apos;s history.</source>
        <translation>No se usa el servidor de historial compartido: %1.

Las actualizaciones funcionan y se guardan en el historial de este equipo.</translation>
    </message>
    <message>
        <source>Upgrade &amp;history</source>
        <translation>&amp;Historial de actualizaciones</translation>
    </message>
    <message>
        <source>Ctrl+H or the context menu (Shift+F10) shows the history of upgrades.</source>
        <translation>Ctrl+H o el menú contextual (Mayús+F10) muestran el historial de actualizaciones.</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>en curso</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>no coincide</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>no confirmado</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>written but not verified</source>
        <translation>escrito, pero no verificado</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrumpido</translation>
    </message>
    <message>
        <source>already current</source>
        <translation>ya actualizado</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>Inicio (UTC)</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>USB path</source>
        <translation>Ruta USB</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Revision before</source>
        <translation>Versión anterior</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Finished (UTC)</source>
        <translation>Fin (UTC)</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>Último error</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Upgrade history</source>
        <translation>Historial de actualizaciones</translation>
    </message>
    <message>
        <source>&amp;Serial:</source>
        <translation>Número de &amp;serie:</translation>
    </message>
    <message>
        <source>Show only serials containing...</source>
        <translation>Mostrar solo números de serie que contengan...</translation>
    </message>
    <message>
        <source>Serial filter</source>
        <translation>Filtro de número de serie</translation>
    </message>
    <message>
        <source>Shows only the records whose device serial contains this text.</source>
        <translation>Muestra solo las entradas cuyo número de serie de dispositivo contiene este texto.</translation>
    </message>
    <message>
        <source>Saves the records shown as a CSV or JSON file.</source>
        <translation>Guarda las entradas mostradas en un archivo CSV o JSON.</translation>
    </message>
    <message>
        <source>Upgrade records</source>
        <translation>Entradas de actualización</translation>
    </message>
    <message>
        <source>The history is unavailable: %1</source>
        <translation>El historial no está disponible: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s), kept in %1.</source>
        <translation>
            <numerusform>%n entrada, guardada en %1.</numerusform>
            <numerusform>%n entradas, guardadas en %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with a serial containing &quot;%1&quot;, kept in %2.</source>
        <translation>
            <numerusform>%n entrada con un número de serie que contiene &quot;%1&quot;, guardada en %2.</numerusform>
            <numerusform>%n entradas con un número de serie que contiene &quot;%1&quot;, guardadas en %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the upgrade history</source>
        <translation>Exportar el historial de actualizaciones</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>The history could not be exported to %1:
%2</source>
        <translation>No se pudo exportar el historial a %1:
%2</translation>
    </message>
    <message>
        <source>the connection string %1 cannot be used: %2</source>
        <translation>no se puede usar la cadena de conexión %1: %2</translation>
    </message>
    <message>
        <source>given by --history-server</source>
        <translation>indicada con --history-server</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>2</source>
        <extracomment>&lt;span style=&quot;font-size:20pt&quot;&gt;
&lt;span style=&quot;color:#FFFFFF; font-weight:bold;&quot;&gt;Firmware upgrade&lt;/span&gt;
&lt;br&gt;
&lt;span style=&quot;font-weight:bold&quot;&gt;%1&lt;/span&gt;
&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;font-size:20pt&quot;&gt;
&lt;span style=&quot;color:#FFFFFF; font-weight:bold;&quot;&gt;Actualizar firmware&lt;/span&gt;
&lt;br&gt;
&lt;span style=&quot;font-weight:bold&quot;&gt;%1&lt;/span&gt;
&lt;/span&gt;</translation>
    </message>
    <message>
        <source>4</source>
        <extracomment>&lt;span style=&quot;font-size:20pt&quot;&gt;
Firmware version:
&lt;br&gt;
%1&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;font-size:20pt&quot;&gt;
Versión firmware:
&lt;br&gt;
%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>5</source>
        <extracomment>Follow the steps below
to upgrade your product.</extracomment>
        <translation>Siga estos pasos para
actualizar su producto.</translation>
    </message>
    <message>
        <source>7a</source>
        <extracomment>1. Turn off the device</extracomment>
        <translation>1. Apague el dispositivo</translation>
    </message>
    <message>
        <source>7b</source>
        <extracomment>2. Hold the rightmost button
 under the display while
 pushing the TEST button
 for 1 second</extracomment>
        <translation>2. Mantenga pulsado el botón
    del extremo derecho bajo
    la pantalla mientras pulsa
    TEST durante 1 segundo</translation>
    </message>
    <message>
        <source>9</source>
        <extracomment>3. Connect USB cable</extracomment>
        <translation>3. Conecte el cable USB</translation>
    </message>
    <message>
        <source>8b2</source>
        <extracomment>4. Click here to start upgrade</extracomment>
        <translation>4. Iniciar la actualización</translation>
    </message>
    <message>
        <source>status_noDev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The USB cable must have a &apos;Micro B&apos; plug and a &apos;Type A&apos; plug.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
El cable USB debe tener un conector Micro B y un conector tipo A.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devConn</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Conectado al %1.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Conectado al %1 con la versión de firmware %2&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Conectado al %1, versión de firmware desconocida.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_noAccess</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but cannot be opened: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Se encontró un dispositivo, pero no se puede abrir: desconéctelo y vuelva a conectarlo.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but could not be read: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Se encontró un dispositivo, pero no se pudo leer: desconéctelo y vuelva a conectarlo.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_severalDevs</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
More than one device is connected in boot mode: unplug all but the one to upgrade.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Hay más de un dispositivo conectado en modo de arranque: desconecte todos menos el que quiere actualizar.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_written</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The firmware was written. To check it, restart the device in its boot mode: steps 1 to 3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
El firmware se ha escrito. Para verificarlo, reinicie el dispositivo en modo de arranque: pasos 1 a 3.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing ended with an error. If the device has left, restart it in its boot mode (steps 1 to 3) to check its firmware.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
La escritura terminó con un error. Si el dispositivo se ha desconectado, reinícielo en modo de arranque (pasos 1 a 3) para verificar su firmware.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeFailed</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing the firmware failed. Click &quot;%1&quot; to try again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
No se pudo escribir el firmware. Haga clic en &quot;%1&quot; para volver a intentarlo.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_damaged</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
This copy of the tool is damaged: its firmware is not the one it was built with. Nothing was written. Get the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Esta copia de la herramienta está dañada: su firmware no es el que se incluyó al crearla. No se ha escrito nada. Obtenga de nuevo la herramienta.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotUnpack</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot unpack its files into %1. Make room there or make it writable, then start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
La herramienta no puede descomprimir sus archivos en %1. Libere espacio allí o permita la escritura y vuelva a iniciar la herramienta.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_ready</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2. Click &quot;%3&quot; to install version %4.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Conectado al %1 con la versión de firmware %2. Haga clic en &quot;%3&quot; para instalar la versión %4.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readyRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version. Click &quot;%2&quot; to install version %3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Conectado al %1, versión de firmware desconocida. Haga clic en &quot;%2&quot; para instalar la versión %3.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writing</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing firmware version %1 to the %2. Keep the cable connected until this line says Done.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Escribiendo la versión de firmware %1 en el %2. Mantenga el cable conectado hasta que esta línea indique &quot;Terminado&quot;.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_done</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Done: the %1 has firmware version %2, read back and checked. Disconnect the USB cable.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Terminado: el %1 tiene la versión de firmware %2, leída de nuevo y verificada. Desconecte el cable USB.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_otherProduct</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1. This tool upgrades the %2 only: it cannot upgrade this product.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Conectado al %1. Esta herramienta solo actualiza el %2: no puede actualizar este producto.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_serialUnreadable</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device&apos;s serial number cannot be read: replug it. If that persists, its boot loader is not answering normally.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
No se puede leer el número de serie de un dispositivo: vuelva a conectarlo. Si el problema persiste, su cargador de arranque no responde con normalidad.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_busy</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Another upgrade tool (a station or another window) is using the device. Wait until it is done there.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Otra herramienta de actualización (una estación u otra ventana) está usando el dispositivo. Espere a que termine allí.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotRun</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot run dfu-util in %1: it may not allow programs. Set TMPDIR to another folder and start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
La herramienta no puede ejecutar dfu-util en %1: quizá no se permitan programas allí. Defina TMPDIR con otra carpeta y vuelva a iniciar la herramienta.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>sim_mode</source>
        <extracomment>Simulator mode</extracomment>
        <translation>Modo simulador</translation>
    </message>
</context>
<context>
    <name>LogWindowDialog</name>
    <message>
        <source>clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>save output</source>
        <translation>Guardar salida</translation>
    </message>
    <message>
        <source>hide log</source>
        <translation>Ocultar registro</translation>
    </message>
    <message>
        <source>Log – Velmora Firmware Upgrade Tool</source>
        <translation>Registro – Herramienta de actualización de firmware Velmora</translation>
    </message>
    <message>
        <source>Log messages</source>
        <translation>Mensajes del registro</translation>
    </message>
    <message>
        <source>Save Log Output</source>
        <translation>Guardar la salida del registro</translation>
    </message>
    <message>
        <source>Text Files (&apos;&apos;&apos;.txt);;All Files (*)</source>
        <translation>Archivos de texto (&apos;&apos;&apos;.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&lt;nobr&gt;File &apos;%1&apos;&lt;br/&gt;cannot be opened for writing.&lt;br/&gt;&lt;br/&gt;The log output could &lt;b&gt;not&lt;/b&gt; be saved!&lt;/nobr&gt;</source>
        <translation>&lt;nobr&gt;El archivo &apos;%1&apos;&lt;br/&gt;no se puede abrir para escritura.&lt;br/&gt;&lt;br/&gt;¡La salida del registro &lt;b&gt;no&lt;/b&gt; se pudo guardar!&lt;/nobr&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmora Firmware Upgrade Tool</source>
        <translation>Herramienta de actualización de firmware Velmora</translation>
    </message>
    <message>
        <source>The tool is damaged and cannot start: its window layout cannot be read.</source>
        <translation>La herramienta está dañada y no puede iniciarse: no se puede leer el diseño de su ventana.</translation>
    </message>
    <message>
        <source>device</source>
        <comment>a device of unknown model, as in &apos;the device has&apos;</comment>
        <translation>dispositivo</translation>
    </message>
    <message>
        <source>Upgrading firmware</source>
        <translation>Actualizando el firmware</translation>
    </message>
    <message>
        <source>Uploading &amp; verifying</source>
        <translation>Leyendo y verificando</translation>
    </message>
    <message>
        <source>Done. Disconnect USB cable.</source>
        <translation>Terminado. Quite el cable USB.</translation>
    </message>
    <message>
        <source>FW differs</source>
        <translation>El firmware no coincide</translation>
    </message>
    <message>
        <source>The firmware could not be read back from the device to check it, so it is not confirmed.</source>
        <translation>No se pudo volver a leer el firmware del dispositivo para verificarlo, por lo que no está confirmado.</translation>
    </message>
    <message>
        <source>The firmware read back from the device differs from the firmware written to it.</source>
        <translation>El firmware leído de nuevo del dispositivo no coincide con el firmware que se escribió en él.</translation>
    </message>
    <message>
        <source>Click &quot;%1&quot; to write it again.</source>
        <translation>Haga clic en &quot;%1&quot; para volver a escribirlo.</translation>
    </message>
    <message>
        <source>Firmware not confirmed</source>
        <translation>Firmware no confirmado</translation>
    </message>
    <message>
        <source>Upgrade in progress</source>
        <translation>Actualización en curso</translation>
    </message>
    <message>
        <source>The firmware is being written to the device.

Stopping now interrupts the upgrade: the device has no working firmware until it is upgraded again in boot mode.</source>
        <translation>Se está escribiendo el firmware en el dispositivo.

Si se detiene ahora, la actualización se interrumpe: el dispositivo no tendrá un firmware que funcione hasta que se vuelva a actualizar en modo de arranque.</translation>
    </message>
    <message>
        <source>Keep upgrading</source>
        <translation>Continuar la actualización</translation>
    </message>
    <message>
        <source>Stop anyway</source>
        <translation>Detener de todos modos</translation>
    </message>
    <message>
        <source>Writes the firmware to the connected device, then reads it back and checks it.</source>
        <translation>Escribe el firmware en el dispositivo conectado y luego lo vuelve a leer y lo verifica.</translation>
    </message>
    <message>
        <source>Not available now: see the status line below.</source>
        <translation>No disponible ahora: consulte la línea de estado de abajo.</translation>
    </message>
    <message>
        <source>Firmware version this tool installs: %1</source>
        <translation>Versión de firmware que instala esta herramienta: %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Use simulated device interaction.</source>
        <translation>Usar una interacción simulada con el dispositivo.</translation>
    </message>
    <message>
        <source>Disable use of simulated device interaction.</source>
        <translation>Desactivar la interacción simulada con el dispositivo.</translation>
    </message>
    <message>
        <source>Enable use of log window (open it with Ctrl-l)</source>
        <translation>Activar la ventana de registro (se abre con Ctrl-l)</translation>
    </message>
    <message>
        <source>Print the upgrade history as csv or json and exit.</source>
        <translation>Mostrar el historial de actualizaciones en formato csv o json y salir.</translation>
    </message>
    <message>
        <source>Share the history on the PostgreSQL server named by this libpq connection string (no password: use ~/.pgpass or a service file).</source>
        <translation>Compartir el historial en el servidor PostgreSQL indicado por esta cadena de conexión de libpq (sin contraseña: use ~/.pgpass o un archivo de servicio).</translation>
    </message>
    <message>
        <source>Upgrade several devices at once, in the station window.</source>
        <translation>Actualizar varios dispositivos a la vez, en la ventana de estación.</translation>
    </message>
    <message>
        <source>With --station: upgrade every ready device without a click.</source>
        <translation>Con --station: actualizar cada dispositivo listo sin hacer clic.</translation>
    </message>
    <message>
        <source>Show the window in this language (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English) instead of the system&apos;s.</source>
        <translation>Mostrar la ventana en este idioma (de, es, fr, it, ja, pl, pt_BR, zh_CN; en para inglés) en lugar del idioma del sistema.</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>%1 % done</source>
        <translation>%1 % completado</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>identifying</source>
        <translation>identificando</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>listo</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>escribiendo</translation>
    </message>
    <message>
        <source>away after the write</source>
        <translation>desconectado tras la escritura</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>verificando</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminado</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>no coincide</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>no confirmado</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>ocupado</translation>
    </message>
    <message>
        <source>another upgrade tool is using it</source>
        <translation>otra herramienta de actualización lo está usando</translation>
    </message>
    <message>
        <source>its serial number cannot be read</source>
        <translation>no se puede leer su número de serie</translation>
    </message>
    <message>
        <source>not a boot loader of ours (%1 memories instead of 4)</source>
        <translation>no es uno de nuestros cargadores de arranque (%1 memorias en lugar de 4)</translation>
    </message>
    <message>
        <source>serial shared with another attached device</source>
        <translation>número de serie repetido en otro dispositivo conectado</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>no se puede abrir (%1)</translation>
    </message>
    <message>
        <source>the write ended with an error (%1)</source>
        <translation>la escritura terminó con un error (%1)</translation>
    </message>
    <message>
        <source>the read-back failed (exit code %1)</source>
        <translation>falló la relectura (código de salida %1)</translation>
    </message>
    <message>
        <source>it could not be read after the write</source>
        <translation>no se pudo leer después de la escritura</translation>
    </message>
    <message>
        <source>it could not be read: unplug it and plug it in again</source>
        <translation>no se pudo leer: desconéctelo y vuelva a conectarlo</translation>
    </message>
    <message>
        <source>empty OTP: the device does not say what it is</source>
        <translation>OTP vacía: el dispositivo no indica qué es</translation>
    </message>
    <message>
        <source>another product (%1)</source>
        <translation>otro producto (%1)</translation>
    </message>
    <message>
        <source>it still runs its old firmware</source>
        <translation>sigue ejecutando su firmware anterior</translation>
    </message>
</context>
<context>
    <name>StationModel</name>
    <message>
        <source>USB path</source>
        <translation>Ruta USB</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Tiempo transcurrido</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Devices are being written</source>
        <translation>Se están escribiendo dispositivos</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) are being written. A write cut short leaves a device without working firmware, so the writes are finished first.

End the tool once they are finished?</source>
        <translation>
            <numerusform>Se está escribiendo %n dispositivo. Una escritura interrumpida deja el dispositivo sin un firmware que funcione, por eso primero se terminan las escrituras.

¿Cerrar la herramienta cuando terminen?</numerusform>
            <numerusform>Se están escribiendo %n dispositivos. Una escritura interrumpida deja el dispositivo sin un firmware que funcione, por eso primero se terminan las escrituras.

¿Cerrar la herramienta cuando terminen?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;End after the writes</source>
        <translation>&amp;Cerrar al terminar las escrituras</translation>
    </message>
    <message>
        <source>&amp;Keep working</source>
        <translation>&amp;Seguir trabajando</translation>
    </message>
    <message>
        <source>This copy of the tool is damaged: no device is written. Install it again.</source>
        <translation>Esta copia de la herramienta está dañada: no se escribirá ningún dispositivo. Vuelva a instalarla.</translation>
    </message>
    <message>
        <source>The tool cannot unpack or run its dfu-util in %1: no device is written.</source>
        <translation>La herramienta no puede descomprimir ni ejecutar su dfu-util en %1: no se escribirá ningún dispositivo.</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade</source>
        <translation>Actualización de firmware Velmora</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade: Station</source>
        <translation>Actualización de firmware Velmora: estación</translation>
    </message>
    <message>
        <source>Attached devices</source>
        <translation>Dispositivos conectados</translation>
    </message>
    <message>
        <source>One row per device in boot mode. Enter upgrades the selected device when it is ready.</source>
        <translation>Una fila por cada dispositivo en modo de arranque. Intro actualiza el dispositivo seleccionado cuando está listo.</translation>
    </message>
    <message>
        <source>Upgrade &amp;all ready devices</source>
        <translation>Actualizar &amp;todos los dispositivos listos</translation>
    </message>
    <message>
        <source>&amp;Upgrade the selected device</source>
        <translation>&amp;Actualizar el dispositivo seleccionado</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   Waiting: %3   Devices per hour: %4</source>
        <translation>Terminados: %1   Con error: %2   En espera: %3   Dispositivos por hora: %4</translation>
    </message>
    <message>
        <source>Ending once the running writes are finished.</source>
        <translation>Se cerrará cuando terminen las escrituras en curso.</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The state of the connected device and what to do next</source>
        <translation>El estado del dispositivo conectado y qué hacer a continuación</translation>
    </message>
    <message>
        <source>The state of the connected device and what to do next. The install button is not available now.</source>
        <translation>El estado del dispositivo conectado y qué hacer a continuación. El botón de instalación no está disponible ahora.</translation>
    </message>
</context>
</TS>
