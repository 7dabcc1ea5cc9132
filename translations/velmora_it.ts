<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>HistoryWindow</name>
    <message>
        <source>The shared history server is not used: %1</source>
        <translation>Il server della cronologia condivisa non è in uso: %1</translation>
    </message>
    <message>
        <source>Connecting to the shared history server...</source>
        <translation>Connessione al server della cronologia condivisa...</translation>
    </message>
    <message>
        <source>The shared history server cannot be reached (%1). %2 record(s) wait to be sent.</source>
        <translation>Il server della cronologia condivisa non è raggiungibile (%1). Voci in attesa di invio: %2.</translation>
    </message>
    <message>
        <source>Every record has reached the shared history server.</source>
        <translation>Tutte le voci sono arrivate al server della cronologia condivisa.</translation>
    </message>
    <message>
        <source>%1 record(s) wait to be sent to the shared history server.</source>
        <translation>Voci in attesa di invio al server della cronologia condivisa: %1.</translation>
    </message>
    <message>
        <source>Shared history not used</source>
        <translation>Cronologia condivisa non in uso</translation>
    </message>
    <message>
        <source>The shared history server is not used: %1.

Upgrades work and are recorded in this computer&apos;s history.</source>
        <translation>Il server della cronologia condivisa non è in uso: %1.

Gli aggiornamenti funzionano e vengono registrati nella cronologia di questo computer.</translation>
    </message>
    <message>
        <source>Upgrade &amp;history</source>
        <translation>&amp;Cronologia aggiornamenti</translation>
    </message>
    <message>
        <source>Ctrl+H or the context menu (Shift+F10) shows the history of upgrades.</source>
        <translation>Ctrl+H o il menu contestuale (Maiusc+F10) mostrano la cronologia degli aggiornamenti.</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificato</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>non corrisponde</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>non confermato</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>scrittura non riuscita</translation>
    </message>
    <message>
        <source>written but not verified</source>
        <translation>scritto ma non verificato</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrotto</translation>
    </message>
    <message>
        <source>already current</source>
        <translation>già aggiornato</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>Inizio (UTC)</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>USB path</source>
        <translation>Percorso USB</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Revision before</source>
        <translation>Versione precedente</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Postazione</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Finished (UTC)</source>
        <translation>Fine (UTC)</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>Ultimo errore</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>Upgrade history</source>
        <translation>Cronologia aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;Serial:</source>
        <translation>Numero di &amp;serie:</translation>
    </message>
    <message>
        <source>Show only serials containing...</source>
        <translation>Mostra solo i numeri di serie che contengono...</translation>
    </message>
    <message>
        <source>Serial filter</source>
        <translation>Filtro numero di serie</translation>
    </message>
    <message>
        <source>Shows only the records whose device serial contains this text.</source>
        <translation>Mostra solo le voci il cui numero di serie del dispositivo contiene questo testo.</translation>
    </message>
    <message>
        <source>Saves the records shown as a CSV or JSON file.</source>
        <translation>Salva le voci visualizzate in un file CSV o JSON.</translation>
    </message>
    <message>
        <source>Upgrade records</source>
        <translation>Voci degli aggiornamenti</translation>
    </message>
    <message>
        <source>The history is unavailable: %1</source>
        <translation>La cronologia non è disponibile: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s), kept in %1.</source>
        <translation>
            <numerusform>%n voce, conservata in %1.</numerusform>
            <numerusform>%n voci, conservate in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with a serial containing &quot;%1&quot;, kept in %2.</source>
        <translation>
            <numerusform>%n voce con un numero di serie contenente &quot;%1&quot;, conservata in %2.</numerusform>
            <numerusform>%n voci con un numero di serie contenente &quot;%1&quot;, conservate in %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the upgrade history</source>
        <translation>Esporta la cronologia degli aggiornamenti</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Esportazione non riuscita</translation>
    </message>
    <message>
        <source>The history could not be exported to %1:
%2</source>
        <translation>Impossibile esportare la cronologia in %1:
%2</translation>
    </message>
    <message>
        <source>the connection string %1 cannot be used: %2</source>
        <translation>la stringa di connessione %1 non è utilizzabile: %2</translation>
    </message>
    <message>
        <source>given by --history-server</source>
        <translation>indicata con --history-server</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
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
&lt;span style=&quot;color:#FFFFFF; font-weight:bold;&quot;&gt;Aggiorna firmware&lt;/span&gt;
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
Versione:
&lt;br&gt;
%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>5</source>
        <extracomment>Follow the steps below
to upgrade your product.</extracomment>
        <translation>Seguire questi passaggi
per l&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>7a</source>
        <extracomment>1. Turn off the device</extracomment>
        <translation>1. Spegnere il dispositivo</translation>
    </message>
    <message>
        <source>7b</source>
        <extracomment>2. Hold the rightmost button
 under the display while
 pushing the TEST button
 for 1 second</extracomment>
        <translation>2. Tenere premuto il tasto
    più a destra sotto il
    display premendo il tasto
    TEST per 1 secondo</translation>
    </message>
    <message>
        <source>9</source>
        <extracomment>3. Connect USB cable</extracomment>
        <translation>3. Collegare il cavo USB</translation>
    </message>
    <message>
        <source>8b2</source>
        <extracomment>4. Click here to start upgrade</extracomment>
        <translation>4. Avviare l&apos;aggiornamento</translation>
    </message>
    <message>
        <source>status_noDev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The USB cable must have a &apos;Micro B&apos; plug and a &apos;Type A&apos; plug.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Il cavo USB deve avere un connettore Micro B e un connettore di tipo A.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devConn</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connesso al %1.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connesso al %1 con il firmware versione %2&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connesso al %1, versione del firmware sconosciuta.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_noAccess</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but cannot be opened: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
È stato trovato un dispositivo, ma non è possibile aprirlo: scollegarlo e ricollegarlo.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but could not be read: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
È stato trovato un dispositivo, ma non è stato possibile leggerlo: scollegarlo e ricollegarlo.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_severalDevs</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
More than one device is connected in boot mode: unplug all but the one to upgrade.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Più dispositivi sono collegati in modalità di avvio: scollegarli tutti tranne quello da aggiornare.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_written</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The firmware was written. To check it, restart the device in its boot mode: steps 1 to 3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Il firmware è stato scritto. Per verificarlo, riavviare il dispositivo in modalità di avvio: passaggi da 1 a 3.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing ended with an error. If the device has left, restart it in its boot mode (steps 1 to 3) to check its firmware.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
La scrittura si è conclusa con un errore. Se il dispositivo si è scollegato, riavviarlo in modalità di avvio (passaggi da 1 a 3) per verificarne il firmware.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeFailed</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing the firmware failed. Click &quot;%1&quot; to try again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Scrittura del firmware non riuscita. Fare clic su &quot;%1&quot; per riprovare.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_damaged</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
This copy of the tool is damaged: its firmware is not the one it was built with. Nothing was written. Get the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Questa copia dello strumento è danneggiata: il suo firmware non è quello con cui è stata creata. Non è stato scritto nulla. Procurarsi una nuova copia dello strumento.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotUnpack</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot unpack its files into %1. Make room there or make it writable, then start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Lo strumento non riesce a estrarre i propri file in %1. Liberare spazio o consentire la scrittura nella cartella, quindi riavviare lo strumento.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_ready</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2. Click &quot;%3&quot; to install version %4.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connesso al %1 con il firmware versione %2. Fare clic su &quot;%3&quot; per installare la versione %4.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readyRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version. Click &quot;%2&quot; to install version %3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connesso al %1, versione del firmware sconosciuta. Fare clic su &quot;%2&quot; per installare la versione %3.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writing</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing firmware version %1 to the %2. Keep the cable connected until this line says Done.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Scrittura del firmware versione %1 sul %2 in corso. Tenere il cavo collegato finché questa riga non indica &quot;Fatto&quot;.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_done</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Done: the %1 has firmware version %2, read back and checked. Disconnect the USB cable.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Fatto: il %1 ha il firmware versione %2, riletto e verificato. Scollegare il cavo USB.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_otherProduct</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1. This tool upgrades the %2 only: it cannot upgrade this product.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connesso al %1. Questo strumento aggiorna solo il %2: non può aggiornare questo prodotto.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_serialUnreadable</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device&apos;s serial number cannot be read: replug it. If that persists, its boot loader is not answering normally.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Impossibile leggere il numero di serie di un dispositivo: ricollegarlo. Se il problema persiste, il suo bootloader non risponde normalmente.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_busy</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Another upgrade tool (a station or another window) is using the device. Wait until it is done there.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Un altro strumento di aggiornamento (una postazione o un&apos;altra finestra) sta usando il dispositivo. Attendere che abbia finito.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotRun</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot run dfu-util in %1: it may not allow programs. Set TMPDIR to another folder and start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Lo strumento non riesce a eseguire dfu-util in %1: la cartella potrebbe non consentire programmi. Impostare TMPDIR su un&apos;altra cartella e riavviare lo strumento.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>sim_mode</source>
        <extracomment>Simulator mode</extracomment>
        <translation>Modalità simulatore</translation>
    </message>
</context>
<context>
    <name>LogWindowDialog</name>
    <message>
        <source>clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>save output</source>
        <translation>Salva output</translation>
    </message>
    <message>
        <source>hide log</source>
        <translation>Nascondi registro</translation>
    </message>
    <message>
        <source>Log – Velmora Firmware Upgrade Tool</source>
        <translation>Registro – Strumento di aggiornamento firmware Velmora</translation>
    </message>
    <message>
        <source>Log messages</source>
        <translation>Messaggi del registro</translation>
    </message>
    <message>
        <source>Save Log Output</source>
        <translation>Salva l&apos;output del registro</translation>
    </message>
    <message>
        <source>Text Files (&apos;&apos;&apos;.txt);;All Files (*)</source>
        <translation>File di testo (&apos;&apos;&apos;.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>&lt;nobr&gt;File &apos;%1&apos;&lt;br/&gt;cannot be opened for writing.&lt;br/&gt;&lt;br/&gt;The log output could &lt;b&gt;not&lt;/b&gt; be saved!&lt;/nobr&gt;</source>
        <translation>&lt;nobr&gt;Il file &apos;%1&apos;&lt;br/&gt;non può essere aperto in scrittura.&lt;br/&gt;&lt;br/&gt;L&apos;output del registro &lt;b&gt;non&lt;/b&gt; è stato salvato!&lt;/nobr&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmora Firmware Upgrade Tool</source>
        <translation>Strumento di aggiornamento firmware Velmora</translation>
    </message>
    <message>
        <source>The tool is damaged and cannot start: its window layout cannot be read.</source>
        <translation>Lo strumento è danneggiato e non può avviarsi: impossibile leggere il layout della finestra.</translation>
    </message>
    <message>
        <source>device</source>
        <comment>a device of unknown model, as in &apos;the device has&apos;</comment>
        <translation>dispositivo</translation>
    </message>
    <message>
        <source>Upgrading firmware</source>
        <translation>Aggiornamento del firmware</translation>
    </message>
    <message>
        <source>Uploading &amp; verifying</source>
        <translation>Rilettura e verifica</translation>
    </message>
    <message>
        <source>Done. Disconnect USB cable.</source>
        <translation>Fatto. Scollegare il cavo USB.</translation>
    </message>
    <message>
        <source>FW differs</source>
        <translation>Il firmware non corrisponde</translation>
    </message>
    <message>
        <source>The firmware could not be read back from the device to check it, so it is not confirmed.</source>
        <translation>Non è stato possibile rileggere il firmware dal dispositivo per verificarlo, quindi non è confermato.</translation>
    </message>
    <message>
        <source>The firmware read back from the device differs from the firmware written to it.</source>
        <translation>Il firmware riletto dal dispositivo non corrisponde a quello che vi è stato scritto.</translation>
    </message>
    <message>
        <source>Click &quot;%1&quot; to write it again.</source>
        <translation>Fare clic su &quot;%1&quot; per scriverlo di nuovo.</translation>
    </message>
    <message>
        <source>Firmware not confirmed</source>
        <translation>Firmware non confermato</translation>
    </message>
    <message>
        <source>Upgrade in progress</source>
        <translation>Aggiornamento in corso</translation>
    </message>
    <message>
        <source>The firmware is being written to the device.

Stopping now interrupts the upgrade: the device has no working firmware until it is upgraded again in boot mode.</source>
        <translation>È in corso la scrittura del firmware sul dispositivo.

Se si interrompe ora, l&apos;aggiornamento resta incompleto: il dispositivo non avrà un firmware funzionante finché non verrà aggiornato di nuovo in modalità di avvio.</translation>
    </message>
    <message>
        <source>Keep upgrading</source>
        <translation>Continua l&apos;aggiornamento</translation>
    </message>
    <message>
        <source>Stop anyway</source>
        <translation>Interrompi comunque</translation>
    </message>
    <message>
        <source>Writes the firmware to the connected device, then reads it back and checks it.</source>
        <translation>Scrive il firmware sul dispositivo collegato, poi lo rilegge e lo verifica.</translation>
    </message>
    <message>
        <source>Not available now: see the status line below.</source>
        <translation>Non disponibile ora: vedere la riga di stato qui sotto.</translation>
    </message>
    <message>
        <source>Firmware version this tool installs: %1</source>
        <translation>Versione del firmware installata da questo strumento: %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Use simulated device interaction.</source>
        <translation>Usare un&apos;interazione simulata con il dispositivo.</translation>
    </message>
    <message>
        <source>Disable use of simulated device interaction.</source>
        <translation>Disattivare l&apos;interazione simulata con il dispositivo.</translation>
    </message>
    <message>
        <source>Enable use of log window (open it with Ctrl-l)</source>
        <translation>Attivare la finestra del registro (si apre con Ctrl-l)</translation>
    </message>
    <message>
        <source>Print the upgrade history as csv or json and exit.</source>
        <translation>Stampare la cronologia degli aggiornamenti in formato csv o json e uscire.</translation>
    </message>
    <message>
        <source>Share the history on the PostgreSQL server named by this libpq connection string (no password: use ~/.pgpass or a service file).</source>
        <translation>Condividere la cronologia sul server PostgreSQL indicato da questa stringa di connessione libpq (senza password: usare ~/.pgpass o un file di servizio).</translation>
    </message>
    <message>
        <source>Upgrade several devices at once, in the station window.</source>
        <translation>Aggiornare più dispositivi contemporaneamente, nella finestra della postazione.</translation>
    </message>
    <message>
        <source>With --station: upgrade every ready device without a click.</source>
        <translation>Con --station: aggiornare ogni dispositivo pronto senza fare clic.</translation>
    </message>
    <message>
        <source>Show the window in this language (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English) instead of the system&apos;s.</source>
        <translation>Mostrare la finestra in questa lingua (de, es, fr, it, ja, pl, pt_BR, zh_CN; en per l&apos;inglese) anziché in quella del sistema.</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>%1 % done</source>
        <translation>%1% completato</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>identifying</source>
        <translation>identificazione</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>pronto</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>scrittura</translation>
    </message>
    <message>
        <source>away after the write</source>
        <translation>scollegato dopo la scrittura</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>verifica</translation>
    </message>
    <message>
        <source>done</source>
        <translation>completato</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>non corrisponde</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>non confermato</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>scrittura non riuscita</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rifiutato</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>occupato</translation>
    </message>
    <message>
        <source>another upgrade tool is using it</source>
        <translation>è in uso da parte di un altro strumento di aggiornamento</translation>
    </message>
    <message>
        <source>its serial number cannot be read</source>
        <translation>impossibile leggere il numero di serie</translation>
    </message>
    <message>
        <source>not a boot loader of ours (%1 memories instead of 4)</source>
        <translation>non è un nostro bootloader (%1 memorie invece di 4)</translation>
    </message>
    <message>
        <source>serial shared with another attached device</source>
        <translation>numero di serie uguale a quello di un altro dispositivo collegato</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>impossibile aprirlo (%1)</translation>
    </message>
    <message>
        <source>the write ended with an error (%1)</source>
        <translation>la scrittura si è conclusa con un errore (%1)</translation>
    </message>
    <message>
        <source>the read-back failed (exit code %1)</source>
        <translation>rilettura non riuscita (codice di uscita %1)</translation>
    </message>
    <message>
        <source>it could not be read after the write</source>
        <translation>impossibile leggerlo dopo la scrittura</translation>
    </message>
    <message>
        <source>it could not be read: unplug it and plug it in again</source>
        <translation>impossibile leggerlo: scollegarlo e ricollegarlo</translation>
    </message>
    <message>
        <source>empty OTP: the device does not say what it is</source>
        <translation>OTP vuota: il dispositivo non indica cosa sia</translation>
    </message>
    <message>
        <source>another product (%1)</source>
        <translation>altro prodotto (%1)</translation>
    </message>
    <message>
        <source>it still runs its old firmware</source>
        <translation>esegue ancora il firmware precedente</translation>
    </message>
</context>
<context>
    <name>StationModel</name>
    <message>
        <source>USB path</source>
        <translation>Percorso USB</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Tempo trascorso</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Devices are being written</source>
        <translation>Scrittura dei dispositivi in corso</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) are being written. A write cut short leaves a device without working firmware, so the writes are finished first.

End the tool once they are finished?</source>
        <translation>
            <numerusform>È in corso la scrittura di %n dispositivo. Una scrittura interrotta lascia il dispositivo senza un firmware funzionante, quindi prima vengono completate le scritture.

Chiudere lo strumento al termine?</numerusform>
            <numerusform>È in corso la scrittura di %n dispositivi. Una scrittura interrotta lascia il dispositivo senza un firmware funzionante, quindi prima vengono completate le scritture.

Chiudere lo strumento al termine?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;End after the writes</source>
        <translation>&amp;Esci dopo le scritture</translation>
    </message>
    <message>
        <source>&amp;Keep working</source>
        <translation>&amp;Continua a lavorare</translation>
    </message>
    <message>
        <source>This copy of the tool is damaged: no device is written. Install it again.</source>
        <translation>Questa copia dello strumento è danneggiata: nessun dispositivo verrà scritto. Reinstallare lo strumento.</translation>
    </message>
    <message>
        <source>The tool cannot unpack or run its dfu-util in %1: no device is written.</source>
        <translation>Lo strumento non riesce a estrarre o eseguire il proprio dfu-util in %1: nessun dispositivo verrà scritto.</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade</source>
        <translation>Aggiornamento firmware Velmora</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade: Station</source>
        <translation>Aggiornamento firmware Velmora: postazione</translation>
    </message>
    <message>
        <source>Attached devices</source>
        <translation>Dispositivi collegati</translation>
    </message>
    <message>
        <source>One row per device in boot mode. Enter upgrades the selected device when it is ready.</source>
        <translation>Una riga per ogni dispositivo in modalità di avvio. Invio aggiorna il dispositivo selezionato quando è pronto.</translation>
    </message>
    <message>
        <source>Upgrade &amp;all ready devices</source>
        <translation>Aggiorna &amp;tutti i dispositivi pronti</translation>
    </message>
    <message>
        <source>&amp;Upgrade the selected device</source>
        <translation>&amp;Aggiorna il dispositivo selezionato</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   Waiting: %3   Devices per hour: %4</source>
        <translation>Completati: %1   Non riusciti: %2   In attesa: %3   Dispositivi all&apos;ora: %4</translation>
    </message>
    <message>
        <source>Ending once the running writes are finished.</source>
        <translation>Chiusura al termine delle scritture in corso.</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The state of the connected device and what to do next</source>
        <translation>Lo stato del dispositivo collegato e cosa fare dopo</translation>
    </message>
    <message>
        <source>The state of the connected device and what to do next. The install button is not available now.</source>
        <translation>Lo stato del dispositivo collegato e cosa fare dopo. Il pulsante di installazione non è disponibile ora.</translation>
    </message>
</context>
</TS>
