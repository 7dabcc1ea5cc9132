<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>HistoryWindow</name>
    <message>
        <source>The shared history server is not used: %1</source>
        <translation>Der gemeinsame Verlaufsserver wird nicht verwendet: %1</translation>
    </message>
    <message>
        <source>Connecting to the shared history server...</source>
        <translation>Verbindung zum gemeinsamen Verlaufsserver wird hergestellt …</translation>
    </message>
    <message>
        <source>The shared history server cannot be reached (%1). %2 record(s) wait to be sent.</source>
        <translation>Der gemeinsame Verlaufsserver ist nicht erreichbar (%1). Noch zu sendende Einträge: %2.</translation>
    </message>
    <message>
        <source>Every record has reached the shared history server.</source>
        <translation>Alle Einträge sind beim gemeinsamen Verlaufsserver angekommen.</translation>
    </message>
    <message>
        <source>%1 record(s) wait to be sent to the shared history server.</source>
        <translation>Noch an den gemeinsamen Verlaufsserver zu sendende Einträge: %1.</translation>
    </message>
    <message>
        <source>Shared history not used</source>
        <translation>Gemeinsamer Verlauf nicht verwendet</translation>
    </message>
    <message>
        <source>The shared history server is not used: %1.

Upgrades work and are recorded in this computer&apos;s history.</source>
        <translation>Der gemeinsame Verlaufsserver wird nicht verwendet: %1.

Updates funktionieren und werden im Verlauf dieses Computers gespeichert.</translation>
    </message>
    <message>
        <source>Upgrade &amp;history</source>
        <translation>Update-&amp;Verlauf</translation>
    </message>
    <message>
        <source>Ctrl+H or the context menu (Shift+F10) shows the history of upgrades.</source>
        <translation>Strg+H oder das Kontextmenü (Umschalt+F10) zeigt den Update-Verlauf.</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>nicht bestätigt</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>written but not verified</source>
        <translation>geschrieben, aber nicht geprüft</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>already current</source>
        <translation>bereits aktuell</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>Beginn (UTC)</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>USB path</source>
        <translation>USB-Pfad</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Revision before</source>
        <translation>Vorherige Version</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Finished (UTC)</source>
        <translation>Ende (UTC)</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>Letzter Fehler</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Upgrade history</source>
        <translation>Update-Verlauf</translation>
    </message>
    <message>
        <source>&amp;Serial:</source>
        <translation>&amp;Seriennummer:</translation>
    </message>
    <message>
        <source>Show only serials containing...</source>
        <translation>Nur Seriennummern mit …</translation>
    </message>
    <message>
        <source>Serial filter</source>
        <translation>Seriennummernfilter</translation>
    </message>
    <message>
        <source>Shows only the records whose device serial contains this text.</source>
        <translation>Zeigt nur die Einträge, deren Geräte-Seriennummer diesen Text enthält.</translation>
    </message>
    <message>
        <source>Saves the records shown as a CSV or JSON file.</source>
        <translation>Speichert die angezeigten Einträge als CSV- oder JSON-Datei.</translation>
    </message>
    <message>
        <source>Upgrade records</source>
        <translation>Update-Einträge</translation>
    </message>
    <message>
        <source>The history is unavailable: %1</source>
        <translation>Der Verlauf ist nicht verfügbar: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s), kept in %1.</source>
        <translation>
            <numerusform>%n Eintrag, gespeichert in %1.</numerusform>
            <numerusform>%n Einträge, gespeichert in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with a serial containing &quot;%1&quot;, kept in %2.</source>
        <translation>
            <numerusform>%n Eintrag mit einer Seriennummer, die „%1“ enthält, gespeichert in %2.</numerusform>
            <numerusform>%n Einträge mit einer Seriennummer, die „%1“ enthält, gespeichert in %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the upgrade history</source>
        <translation>Update-Verlauf exportieren</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>The history could not be exported to %1:
%2</source>
        <translation>Der Verlauf konnte nicht nach %1 exportiert werden:
%2</translation>
    </message>
    <message>
        <source>the connection string %1 cannot be used: %2</source>
        <translation>die Verbindungszeichenfolge %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>given by --history-server</source>
        <translation>aus --history-server</translation>
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
&lt;span style=&quot;color:#FFFFFF; font-weight:bold;&quot;&gt;Firmware-Update&lt;/span&gt;
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
Firmware-Version:
&lt;br&gt;
%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>5</source>
        <extracomment>Follow the steps below
to upgrade your product.</extracomment>
        <translation>Führen Sie die folgenden
Schritte zum Update aus.</translation>
    </message>
    <message>
        <source>7a</source>
        <extracomment>1. Turn off the device</extracomment>
        <translation>1. Schalten Sie das Gerät aus</translation>
    </message>
    <message>
        <source>7b</source>
        <extracomment>2. Hold the rightmost button
 under the display while
 pushing the TEST button
 for 1 second</extracomment>
        <translation>2. Halten Sie die Taste ganz
    rechts unter dem Display
    gedrückt und drücken Sie
    1 Sekunde die TEST-Taste</translation>
    </message>
    <message>
        <source>9</source>
        <extracomment>3. Connect USB cable</extracomment>
        <translation>3. USB-Kabel verbinden</translation>
    </message>
    <message>
        <source>8b2</source>
        <extracomment>4. Click here to start upgrade</extracomment>
        <translation>4. Zum Update hier klicken</translation>
    </message>
    <message>
        <source>status_noDev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The USB cable must have a &apos;Micro B&apos; plug and a &apos;Type A&apos; plug.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Das USB-Kabel muss einen Micro-B-Stecker und einen Typ-A-Stecker haben.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devConn</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Verbunden mit Gerät %1.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Verbunden mit Gerät %1, Firmware-Version %2&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Verbunden mit Gerät %1, Firmware-Version unbekannt.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_noAccess</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but cannot be opened: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Ein Gerät wurde gefunden, kann aber nicht geöffnet werden: Stecken Sie es ab und wieder an.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but could not be read: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Ein Gerät wurde gefunden, konnte aber nicht gelesen werden: Stecken Sie es ab und wieder an.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_severalDevs</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
More than one device is connected in boot mode: unplug all but the one to upgrade.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Mehr als ein Gerät ist im Boot-Modus angeschlossen: Trennen Sie alle außer dem zu aktualisierenden.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_written</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The firmware was written. To check it, restart the device in its boot mode: steps 1 to 3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Die Firmware wurde geschrieben. Starten Sie das Gerät zur Prüfung erneut im Boot-Modus: Schritte 1 bis 3.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing ended with an error. If the device has left, restart it in its boot mode (steps 1 to 3) to check its firmware.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Das Schreiben endete mit einem Fehler. Ist das Gerät nicht mehr verbunden, starten Sie es erneut im Boot-Modus (Schritte 1 bis 3), um seine Firmware zu prüfen.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeFailed</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing the firmware failed. Click &quot;%1&quot; to try again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Schreiben der Firmware fehlgeschlagen. Klicken Sie erneut auf „%1“.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_damaged</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
This copy of the tool is damaged: its firmware is not the one it was built with. Nothing was written. Get the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Diese Kopie des Programms ist beschädigt: Ihre Firmware ist nicht die, mit der sie erstellt wurde. Es wurde nichts geschrieben. Besorgen Sie sich das Programm erneut.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotUnpack</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot unpack its files into %1. Make room there or make it writable, then start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Das Programm kann seine Dateien nicht nach %1 entpacken. Schaffen Sie dort Platz oder machen Sie den Ordner beschreibbar und starten Sie das Programm neu.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_ready</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2. Click &quot;%3&quot; to install version %4.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Verbunden mit Gerät %1, Firmware-Version %2. Klicken Sie auf „%3“, um Version %4 zu installieren.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readyRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version. Click &quot;%2&quot; to install version %3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Verbunden mit Gerät %1, Firmware-Version unbekannt. Klicken Sie auf „%2“, um Version %3 zu installieren.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writing</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing firmware version %1 to the %2. Keep the cable connected until this line says Done.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Firmware-Version %1 wird auf Gerät %2 geschrieben. Lassen Sie das Kabel angeschlossen, bis hier „Fertig“ steht.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_done</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Done: the %1 has firmware version %2, read back and checked. Disconnect the USB cable.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Fertig: Gerät %1 hat jetzt Firmware-Version %2, zurückgelesen und geprüft. Trennen Sie das USB-Kabel.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_otherProduct</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1. This tool upgrades the %2 only: it cannot upgrade this product.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Verbunden mit Gerät %1. Dieses Programm aktualisiert nur Modell %2, nicht dieses Produkt.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_serialUnreadable</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device&apos;s serial number cannot be read: replug it. If that persists, its boot loader is not answering normally.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Die Seriennummer eines Geräts kann nicht gelesen werden: Schließen Sie es neu an. Bleibt das Problem, antwortet sein Bootloader nicht normal.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_busy</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Another upgrade tool (a station or another window) is using the device. Wait until it is done there.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Ein anderes Update-Programm (eine Station oder ein anderes Fenster) verwendet das Gerät. Warten Sie, bis es dort fertig ist.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotRun</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot run dfu-util in %1: it may not allow programs. Set TMPDIR to another folder and start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Das Programm kann dfu-util in %1 nicht ausführen: Der Ordner lässt eventuell keine Programme zu. Setzen Sie TMPDIR auf einen anderen Ordner und starten Sie das Programm neu.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>sim_mode</source>
        <extracomment>Simulator mode</extracomment>
        <translation>Simulatormodus</translation>
    </message>
</context>
<context>
    <name>LogWindowDialog</name>
    <message>
        <source>clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>save output</source>
        <translation>Ausgabe speichern</translation>
    </message>
    <message>
        <source>hide log</source>
        <translation>Protokoll ausblenden</translation>
    </message>
    <message>
        <source>Log – Velmora Firmware Upgrade Tool</source>
        <translation>Protokoll – Velmora Firmware-Update-Tool</translation>
    </message>
    <message>
        <source>Log messages</source>
        <translation>Protokollmeldungen</translation>
    </message>
    <message>
        <source>Save Log Output</source>
        <translation>Protokollausgabe speichern</translation>
    </message>
    <message>
        <source>Text Files (&apos;&apos;&apos;.txt);;All Files (*)</source>
        <translation>Textdateien (&apos;&apos;&apos;.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&lt;nobr&gt;File &apos;%1&apos;&lt;br/&gt;cannot be opened for writing.&lt;br/&gt;&lt;br/&gt;The log output could &lt;b&gt;not&lt;/b&gt; be saved!&lt;/nobr&gt;</source>
        <translation>&lt;nobr&gt;Die Datei „%1“&lt;br/&gt;kann nicht zum Schreiben geöffnet werden.&lt;br/&gt;&lt;br/&gt;Die Protokollausgabe konnte &lt;b&gt;nicht&lt;/b&gt; gespeichert werden!&lt;/nobr&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmora Firmware Upgrade Tool</source>
        <translation>Velmora Firmware-Update-Tool</translation>
    </message>
    <message>
        <source>The tool is damaged and cannot start: its window layout cannot be read.</source>
        <translation>Das Programm ist beschädigt und kann nicht starten: Sein Fensterlayout kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>device</source>
        <comment>a device of unknown model, as in &apos;the device has&apos;</comment>
        <translation>(Modell unbekannt)</translation>
    </message>
    <message>
        <source>Upgrading firmware</source>
        <translation>Firmware wird aktualisiert</translation>
    </message>
    <message>
        <source>Uploading &amp; verifying</source>
        <translation>Übertragung und Prüfung</translation>
    </message>
    <message>
        <source>Done. Disconnect USB cable.</source>
        <translation>Fertig. USB-Kabel trennen.</translation>
    </message>
    <message>
        <source>FW differs</source>
        <translation>Firmware weicht ab</translation>
    </message>
    <message>
        <source>The firmware could not be read back from the device to check it, so it is not confirmed.</source>
        <translation>Die Firmware konnte zur Prüfung nicht vom Gerät zurückgelesen werden und ist daher nicht bestätigt.</translation>
    </message>
    <message>
        <source>The firmware read back from the device differs from the firmware written to it.</source>
        <translation>Die vom Gerät zurückgelesene Firmware weicht von der geschriebenen Firmware ab.</translation>
    </message>
    <message>
        <source>Click &quot;%1&quot; to write it again.</source>
        <translation>Klicken Sie auf „%1“, um sie erneut zu schreiben.</translation>
    </message>
    <message>
        <source>Firmware not confirmed</source>
        <translation>Firmware nicht bestätigt</translation>
    </message>
    <message>
        <source>Upgrade in progress</source>
        <translation>Update läuft</translation>
    </message>
    <message>
        <source>The firmware is being written to the device.

Stopping now interrupts the upgrade: the device has no working firmware until it is upgraded again in boot mode.</source>
        <translation>Die Firmware wird gerade auf das Gerät geschrieben.

Wenn Sie jetzt beenden, wird das Update unterbrochen: Das Gerät hat dann keine funktionsfähige Firmware, bis es erneut im Boot-Modus aktualisiert wird.</translation>
    </message>
    <message>
        <source>Keep upgrading</source>
        <translation>Update fortsetzen</translation>
    </message>
    <message>
        <source>Stop anyway</source>
        <translation>Trotzdem beenden</translation>
    </message>
    <message>
        <source>Writes the firmware to the connected device, then reads it back and checks it.</source>
        <translation>Schreibt die Firmware auf das angeschlossene Gerät, liest sie dann zurück und prüft sie.</translation>
    </message>
    <message>
        <source>Not available now: see the status line below.</source>
        <translation>Derzeit nicht verfügbar: siehe Statuszeile unten.</translation>
    </message>
    <message>
        <source>Firmware version this tool installs: %1</source>
        <translation>Von diesem Programm installierte Firmware-Version: %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Use simulated device interaction.</source>
        <translation>Geräteinteraktion simulieren.</translation>
    </message>
    <message>
        <source>Disable use of simulated device interaction.</source>
        <translation>Simulierte Geräteinteraktion deaktivieren.</translation>
    </message>
    <message>
        <source>Enable use of log window (open it with Ctrl-l)</source>
        <translation>Protokollfenster aktivieren (öffnen mit Strg+L)</translation>
    </message>
    <message>
        <source>Print the upgrade history as csv or json and exit.</source>
        <translation>Update-Verlauf als csv oder json ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Share the history on the PostgreSQL server named by this libpq connection string (no password: use ~/.pgpass or a service file).</source>
        <translation>Verlauf auf dem PostgreSQL-Server teilen, den diese libpq-Verbindungszeichenfolge angibt (kein Passwort: ~/.pgpass oder eine Service-Datei verwenden).</translation>
    </message>
    <message>
        <source>Upgrade several devices at once, in the station window.</source>
        <translation>Mehrere Geräte gleichzeitig im Stationsfenster aktualisieren.</translation>
    </message>
    <message>
        <source>With --station: upgrade every ready device without a click.</source>
        <translation>Mit --station: jedes bereite Gerät ohne Klick aktualisieren.</translation>
    </message>
    <message>
        <source>Show the window in this language (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English) instead of the system&apos;s.</source>
        <translation>Fenster in dieser Sprache statt in der Systemsprache anzeigen (de, es, fr, it, ja, pl, pt_BR, zh_CN; en für Englisch).</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>%1 % done</source>
        <translation>%1 % erledigt</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>identifying</source>
        <translation>Erkennung</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>away after the write</source>
        <translation>nach dem Schreiben getrennt</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>nicht bestätigt</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>another upgrade tool is using it</source>
        <translation>ein anderes Update-Programm verwendet es</translation>
    </message>
    <message>
        <source>its serial number cannot be read</source>
        <translation>Seriennummer nicht lesbar</translation>
    </message>
    <message>
        <source>not a boot loader of ours (%1 memories instead of 4)</source>
        <translation>nicht unser Bootloader (%1 Speicherbereiche statt 4)</translation>
    </message>
    <message>
        <source>serial shared with another attached device</source>
        <translation>gleiche Seriennummer wie ein anderes angeschlossenes Gerät</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>the write ended with an error (%1)</source>
        <translation>Schreiben mit Fehler beendet (%1)</translation>
    </message>
    <message>
        <source>the read-back failed (exit code %1)</source>
        <translation>Zurücklesen fehlgeschlagen (Exit-Code %1)</translation>
    </message>
    <message>
        <source>it could not be read after the write</source>
        <translation>nach dem Schreiben nicht lesbar</translation>
    </message>
    <message>
        <source>it could not be read: unplug it and plug it in again</source>
        <translation>nicht lesbar: Bitte ab- und wieder anstecken</translation>
    </message>
    <message>
        <source>empty OTP: the device does not say what it is</source>
        <translation>OTP leer: Das Gerät gibt seinen Typ nicht an</translation>
    </message>
    <message>
        <source>another product (%1)</source>
        <translation>anderes Produkt (%1)</translation>
    </message>
    <message>
        <source>it still runs its old firmware</source>
        <translation>läuft noch mit der alten Firmware</translation>
    </message>
</context>
<context>
    <name>StationModel</name>
    <message>
        <source>USB path</source>
        <translation>USB-Pfad</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Dauer</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Devices are being written</source>
        <translation>Geräte werden beschrieben</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) are being written. A write cut short leaves a device without working firmware, so the writes are finished first.

End the tool once they are finished?</source>
        <translation>
            <numerusform>%n Gerät wird gerade beschrieben. Ein abgebrochener Schreibvorgang hinterlässt ein Gerät ohne funktionsfähige Firmware, daher wird der Schreibvorgang zuerst abgeschlossen.

Das Programm beenden, sobald er abgeschlossen ist?</numerusform>
            <numerusform>%n Geräte werden gerade beschrieben. Ein abgebrochener Schreibvorgang hinterlässt ein Gerät ohne funktionsfähige Firmware, daher werden die Schreibvorgänge zuerst abgeschlossen.

Das Programm beenden, sobald sie abgeschlossen sind?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;End after the writes</source>
        <translation>Nach dem Schreiben &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Keep working</source>
        <translation>&amp;Weiterarbeiten</translation>
    </message>
    <message>
        <source>This copy of the tool is damaged: no device is written. Install it again.</source>
        <translation>Diese Kopie des Programms ist beschädigt: Es wird kein Gerät beschrieben. Installieren Sie das Programm erneut.</translation>
    </message>
    <message>
        <source>The tool cannot unpack or run its dfu-util in %1: no device is written.</source>
        <translation>Das Programm kann sein dfu-util in %1 nicht entpacken oder ausführen: Es wird kein Gerät beschrieben.</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade</source>
        <translation>Velmora Firmware-Update</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade: Station</source>
        <translation>Velmora Firmware-Update: Station</translation>
    </message>
    <message>
        <source>Attached devices</source>
        <translation>Angeschlossene Geräte</translation>
    </message>
    <message>
        <source>One row per device in boot mode. Enter upgrades the selected device when it is ready.</source>
        <translation>Eine Zeile pro Gerät im Boot-Modus. Die Eingabetaste aktualisiert das ausgewählte Gerät, sobald es bereit ist.</translation>
    </message>
    <message>
        <source>Upgrade &amp;all ready devices</source>
        <translation>&amp;Alle bereiten Geräte aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Upgrade the selected device</source>
        <translation>Ausgewähltes &amp;Gerät aktualisieren</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   Waiting: %3   Devices per hour: %4</source>
        <translation>Fertig: %1   Fehlgeschlagen: %2   Wartend: %3   Geräte pro Stunde: %4</translation>
    </message>
    <message>
        <source>Ending once the running writes are finished.</source>
        <translation>Wird beendet, sobald die laufenden Schreibvorgänge abgeschlossen sind.</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The state of the connected device and what to do next</source>
        <translation>Status des angeschlossenen Geräts und nächster Schritt</translation>
    </message>
    <message>
        <source>The state of the connected device and what to do next. The install button is not available now.</source>
        <translation>Status des angeschlossenen Geräts und nächster Schritt. Die Installationsschaltfläche ist derzeit nicht verfügbar.</translation>
    </message>
</context>
</TS>
