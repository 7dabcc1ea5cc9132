<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>HistoryWindow</name>
    <message>
        <source>The shared history server is not used: %1</source>
        <translation>Wspólny serwer historii nie jest używany: %1</translation>
    </message>
    <message>
        <source>Connecting to the shared history server...</source>
        <translation>Łączenie ze wspólnym serwerem historii...</translation>
    </message>
    <message>
        <source>The shared history server cannot be reached (%1). %2 record(s) wait to be sent.</source>
        <translation>Nie można połączyć się ze wspólnym serwerem historii (%1). Wpisy oczekujące na wysłanie: %2.</translation>
    </message>
    <message>
        <source>Every record has reached the shared history server.</source>
        <translation>Wszystkie wpisy dotarły do wspólnego serwera historii.</translation>
    </message>
    <message>
        <source>%1 record(s) wait to be sent to the shared history server.</source>
        <translation>Wpisy oczekujące na wysłanie do wspólnego serwera historii: %1.</translation>
    </message>
    <message>
        <source>Shared history not used</source>
        <translation>Wspólna historia nie jest używana</translation>
    </message>
    <message>
        <source>The shared history server is not used: %1.

Upgrades work and are recorded in this computer&apos;s history.</source>
        <translation>Wspólny serwer historii nie jest używany: %1.

Aktualizacje działają i są zapisywane w historii tego komputera.</translation>
    </message>
    <message>
        <source>Upgrade &amp;history</source>
        <translation>&amp;Historia aktualizacji</translation>
    </message>
    <message>
        <source>Ctrl+H or the context menu (Shift+F10) shows the history of upgrades.</source>
        <translation>Ctrl+H lub menu kontekstowe (Shift+F10) pokazuje historię aktualizacji.</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>w toku</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>zweryfikowane</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>różni się</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>niepotwierdzone</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>błąd zapisu</translation>
    </message>
    <message>
        <source>written but not verified</source>
        <translation>zapisane, ale niezweryfikowane</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>przerwane</translation>
    </message>
    <message>
        <source>already current</source>
        <translation>już aktualne</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>Rozpoczęcie (UTC)</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>USB path</source>
        <translation>Ścieżka USB</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Revision before</source>
        <translation>Poprzednia wersja</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Oprogramowanie</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Stacja</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Finished (UTC)</source>
        <translation>Zakończenie (UTC)</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>Ostatni błąd</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Eksportuj</translation>
    </message>
    <message>
        <source>Upgrade history</source>
        <translation>Historia aktualizacji</translation>
    </message>
    <message>
        <source>&amp;Serial:</source>
        <translation>Numer &amp;seryjny:</translation>
    </message>
    <message>
        <source>Show only serials containing...</source>
        <translation>Pokaż tylko numery seryjne zawierające...</translation>
    </message>
    <message>
        <source>Serial filter</source>
        <translation>Filtr numeru seryjnego</translation>
    </message>
    <message>
        <source>Shows only the records whose device serial contains this text.</source>
        <translation>Pokazuje tylko wpisy, w których numer seryjny urządzenia zawiera ten tekst.</translation>
    </message>
    <message>
        <source>Saves the records shown as a CSV or JSON file.</source>
        <translation>Zapisuje wyświetlane wpisy w pliku CSV lub JSON.</translation>
    </message>
    <message>
        <source>Upgrade records</source>
        <translation>Wpisy aktualizacji</translation>
    </message>
    <message>
        <source>The history is unavailable: %1</source>
        <translation>Historia jest niedostępna: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s), kept in %1.</source>
        <translation>
            <numerusform>%n wpis, przechowywany w %1.</numerusform>
            <numerusform>%n wpisy, przechowywane w %1.</numerusform>
            <numerusform>%n wpisów, przechowywanych w %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with a serial containing &quot;%1&quot;, kept in %2.</source>
        <translation>
            <numerusform>%n wpis z numerem seryjnym zawierającym „%1”, przechowywany w %2.</numerusform>
            <numerusform>%n wpisy z numerem seryjnym zawierającym „%1”, przechowywane w %2.</numerusform>
            <numerusform>%n wpisów z numerem seryjnym zawierającym „%1”, przechowywanych w %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the upgrade history</source>
        <translation>Eksportuj historię aktualizacji</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Eksport nie powiódł się</translation>
    </message>
    <message>
        <source>The history could not be exported to %1:
%2</source>
        <translation>Nie udało się wyeksportować historii do %1:
%2</translation>
    </message>
    <message>
        <source>the connection string %1 cannot be used: %2</source>
        <translation>nie można użyć ciągu połączenia %1: %2</translation>
    </message>
    <message>
        <source>given by --history-server</source>
        <translation>podanego w --history-server</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>z pliku %1</translation>
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
&lt;span style=&quot;color:#FFFFFF; font-weight:bold;&quot;&gt;Aktualizacja&lt;/span&gt;
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
Wersja:
&lt;br&gt;
%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>5</source>
        <extracomment>Follow the steps below
to upgrade your product.</extracomment>
        <translation>Wykonaj poniższe kroki,
aby zaktualizować produkt.</translation>
    </message>
    <message>
        <source>7a</source>
        <extracomment>1. Turn off the device</extracomment>
        <translation>1. Wyłącz urządzenie</translation>
    </message>
    <message>
        <source>7b</source>
        <extracomment>2. Hold the rightmost button
 under the display while
 pushing the TEST button
 for 1 second</extracomment>
        <translation>2. Przytrzymaj skrajny prawy
    przycisk pod ekranem,
    wciskając przycisk TEST
    przez 1 sekundę</translation>
    </message>
    <message>
        <source>9</source>
        <extracomment>3. Connect USB cable</extracomment>
        <translation>3. Podłącz kabel USB</translation>
    </message>
    <message>
        <source>8b2</source>
        <extracomment>4. Click here to start upgrade</extracomment>
        <translation>4. Kliknij, aby zaktualizować</translation>
    </message>
    <message>
        <source>status_noDev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The USB cable must have a &apos;Micro B&apos; plug and a &apos;Type A&apos; plug.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Kabel USB musi mieć wtyk „Micro B” i wtyk „Typ A”.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devConn</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Połączono z %1.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Połączono z %1, wersja oprogramowania %2&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Połączono z %1, nieznana wersja oprogramowania.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_noAccess</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but cannot be opened: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Znaleziono urządzenie, ale nie można go otworzyć: odłącz je i podłącz ponownie.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but could not be read: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Znaleziono urządzenie, ale nie udało się go odczytać: odłącz je i podłącz ponownie.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_severalDevs</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
More than one device is connected in boot mode: unplug all but the one to upgrade.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
W trybie rozruchu jest podłączone więcej niż jedno urządzenie: odłącz wszystkie oprócz aktualizowanego.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_written</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The firmware was written. To check it, restart the device in its boot mode: steps 1 to 3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Oprogramowanie zostało zapisane. Aby je sprawdzić, uruchom urządzenie ponownie w trybie rozruchu: kroki 1–3.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing ended with an error. If the device has left, restart it in its boot mode (steps 1 to 3) to check its firmware.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Zapis zakończył się błędem. Jeśli urządzenie się odłączyło, uruchom je ponownie w trybie rozruchu (kroki 1–3), aby sprawdzić oprogramowanie.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeFailed</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing the firmware failed. Click &quot;%1&quot; to try again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Zapis oprogramowania nie powiódł się. Kliknij „%1”, aby spróbować ponownie.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_damaged</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
This copy of the tool is damaged: its firmware is not the one it was built with. Nothing was written. Get the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Ta kopia narzędzia jest uszkodzona: zawarte w niej oprogramowanie nie jest tym, z którym ją zbudowano. Nic nie zapisano. Pobierz narzędzie ponownie.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotUnpack</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot unpack its files into %1. Make room there or make it writable, then start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Narzędzie nie może rozpakować swoich plików do %1. Zwolnij tam miejsce lub nadaj prawo zapisu, a następnie uruchom narzędzie ponownie.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_ready</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2. Click &quot;%3&quot; to install version %4.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Połączono z %1, wersja oprogramowania %2. Kliknij „%3”, aby zainstalować wersję %4.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readyRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version. Click &quot;%2&quot; to install version %3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Połączono z %1, nieznana wersja oprogramowania. Kliknij „%2”, aby zainstalować wersję %3.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writing</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing firmware version %1 to the %2. Keep the cable connected until this line says Done.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Zapisywanie oprogramowania w wersji %1 (%2). Nie odłączaj kabla, dopóki w tym wierszu nie pojawi się „Gotowe”.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_done</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Done: the %1 has firmware version %2, read back and checked. Disconnect the USB cable.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Gotowe: %1 ma oprogramowanie w wersji %2, odczytane i sprawdzone. Odłącz kabel USB.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_otherProduct</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1. This tool upgrades the %2 only: it cannot upgrade this product.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Połączono z %1. To narzędzie aktualizuje tylko %2: nie może zaktualizować tego produktu.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_serialUnreadable</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device&apos;s serial number cannot be read: replug it. If that persists, its boot loader is not answering normally.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Nie można odczytać numeru seryjnego urządzenia: podłącz je ponownie. Jeśli to się powtarza, jego program rozruchowy nie odpowiada prawidłowo.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_busy</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Another upgrade tool (a station or another window) is using the device. Wait until it is done there.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Inne narzędzie do aktualizacji (stacja lub inne okno) używa tego urządzenia. Zaczekaj, aż zakończy pracę.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotRun</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot run dfu-util in %1: it may not allow programs. Set TMPDIR to another folder and start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Narzędzie nie może uruchomić programu dfu-util w %1: ten folder może nie zezwalać na uruchamianie programów. Ustaw TMPDIR na inny folder i uruchom narzędzie ponownie.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>sim_mode</source>
        <extracomment>Simulator mode</extracomment>
        <translation>Tryb symulatora</translation>
    </message>
</context>
<context>
    <name>LogWindowDialog</name>
    <message>
        <source>clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>save output</source>
        <translation>Zapisz zawartość</translation>
    </message>
    <message>
        <source>hide log</source>
        <translation>Ukryj dziennik</translation>
    </message>
    <message>
        <source>Log – Velmora Firmware Upgrade Tool</source>
        <translation>Dziennik – Narzędzie do aktualizacji oprogramowania Velmora</translation>
    </message>
    <message>
        <source>Log messages</source>
        <translation>Komunikaty dziennika</translation>
    </message>
    <message>
        <source>Save Log Output</source>
        <translation>Zapisz zawartość dziennika</translation>
    </message>
    <message>
        <source>Text Files (&apos;&apos;&apos;.txt);;All Files (*)</source>
        <translation>Pliki tekstowe (&apos;&apos;&apos;.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>&lt;nobr&gt;File &apos;%1&apos;&lt;br/&gt;cannot be opened for writing.&lt;br/&gt;&lt;br/&gt;The log output could &lt;b&gt;not&lt;/b&gt; be saved!&lt;/nobr&gt;</source>
        <translation>&lt;nobr&gt;Pliku „%1”&lt;br/&gt;nie można otworzyć do zapisu.&lt;br/&gt;&lt;br/&gt;Zawartość dziennika &lt;b&gt;nie&lt;/b&gt; została zapisana!&lt;/nobr&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmora Firmware Upgrade Tool</source>
        <translation>Narzędzie do aktualizacji oprogramowania Velmora</translation>
    </message>
    <message>
        <source>The tool is damaged and cannot start: its window layout cannot be read.</source>
        <translation>Narzędzie jest uszkodzone i nie może się uruchomić: nie można odczytać układu okna.</translation>
    </message>
    <message>
        <source>device</source>
        <comment>a device of unknown model, as in &apos;the device has&apos;</comment>
        <translation>urządzenie</translation>
    </message>
    <message>
        <source>Upgrading firmware</source>
        <translation>Aktualizowanie oprogramowania</translation>
    </message>
    <message>
        <source>Uploading &amp; verifying</source>
        <translation>Odczyt i weryfikacja</translation>
    </message>
    <message>
        <source>Done. Disconnect USB cable.</source>
        <translation>Gotowe. Odłącz kabel USB.</translation>
    </message>
    <message>
        <source>FW differs</source>
        <translation>Oprogramowanie się różni</translation>
    </message>
    <message>
        <source>The firmware could not be read back from the device to check it, so it is not confirmed.</source>
        <translation>Nie udało się odczytać oprogramowania z urządzenia w celu sprawdzenia, więc nie jest ono potwierdzone.</translation>
    </message>
    <message>
        <source>The firmware read back from the device differs from the firmware written to it.</source>
        <translation>Oprogramowanie odczytane z urządzenia różni się od oprogramowania, które zostało w nim zapisane.</translation>
    </message>
    <message>
        <source>Click &quot;%1&quot; to write it again.</source>
        <translation>Kliknij „%1”, aby zapisać je ponownie.</translation>
    </message>
    <message>
        <source>Firmware not confirmed</source>
        <translation>Oprogramowanie niepotwierdzone</translation>
    </message>
    <message>
        <source>Upgrade in progress</source>
        <translation>Trwa aktualizacja</translation>
    </message>
    <message>
        <source>The firmware is being written to the device.

Stopping now interrupts the upgrade: the device has no working firmware until it is upgraded again in boot mode.</source>
        <translation>Oprogramowanie jest zapisywane w urządzeniu.

Zatrzymanie teraz przerwie aktualizację: urządzenie nie będzie miało działającego oprogramowania, dopóki nie zostanie ponownie zaktualizowane w trybie rozruchu.</translation>
    </message>
    <message>
        <source>Keep upgrading</source>
        <translation>Kontynuuj aktualizację</translation>
    </message>
    <message>
        <source>Stop anyway</source>
        <translation>Zatrzymaj mimo to</translation>
    </message>
    <message>
        <source>Writes the firmware to the connected device, then reads it back and checks it.</source>
        <translation>Zapisuje oprogramowanie w podłączonym urządzeniu, a następnie odczytuje je i sprawdza.</translation>
    </message>
    <message>
        <source>Not available now: see the status line below.</source>
        <translation>Teraz niedostępne: zobacz wiersz stanu poniżej.</translation>
    </message>
    <message>
        <source>Firmware version this tool installs: %1</source>
        <translation>Wersja oprogramowania instalowana przez to narzędzie: %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Use simulated device interaction.</source>
        <translation>Użyj symulowanej komunikacji z urządzeniem.</translation>
    </message>
    <message>
        <source>Disable use of simulated device interaction.</source>
        <translation>Wyłącz symulowaną komunikację z urządzeniem.</translation>
    </message>
    <message>
        <source>Enable use of log window (open it with Ctrl-l)</source>
        <translation>Włącz okno dziennika (otwierane skrótem Ctrl-l)</translation>
    </message>
    <message>
        <source>Print the upgrade history as csv or json and exit.</source>
        <translation>Wypisz historię aktualizacji w formacie csv lub json i zakończ.</translation>
    </message>
    <message>
        <source>Share the history on the PostgreSQL server named by this libpq connection string (no password: use ~/.pgpass or a service file).</source>
        <translation>Udostępniaj historię na serwerze PostgreSQL wskazanym przez ten ciąg połączenia libpq (bez hasła: użyj ~/.pgpass lub pliku usługi).</translation>
    </message>
    <message>
        <source>Upgrade several devices at once, in the station window.</source>
        <translation>Aktualizuj kilka urządzeń jednocześnie w oknie stacji.</translation>
    </message>
    <message>
        <source>With --station: upgrade every ready device without a click.</source>
        <translation>Z --station: aktualizuj każde gotowe urządzenie bez klikania.</translation>
    </message>
    <message>
        <source>Show the window in this language (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English) instead of the system&apos;s.</source>
        <translation>Pokaż okno w tym języku (de, es, fr, it, ja, pl, pt_BR, zh_CN; en – angielski) zamiast języka systemu.</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>%1 % done</source>
        <translation>Ukończono %1%</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>identifying</source>
        <translation>identyfikacja</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>gotowe</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>zapisywanie</translation>
    </message>
    <message>
        <source>away after the write</source>
        <translation>odłączone po zapisie</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>weryfikacja</translation>
    </message>
    <message>
        <source>done</source>
        <translation>zakończone</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>różni się</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>niepotwierdzone</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>błąd zapisu</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>odrzucone</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>zajęte</translation>
    </message>
    <message>
        <source>another upgrade tool is using it</source>
        <translation>używa go inne narzędzie do aktualizacji</translation>
    </message>
    <message>
        <source>its serial number cannot be read</source>
        <translation>nie można odczytać numeru seryjnego</translation>
    </message>
    <message>
        <source>not a boot loader of ours (%1 memories instead of 4)</source>
        <translation>nieznany program rozruchowy (obszary pamięci: %1 zamiast 4)</translation>
    </message>
    <message>
        <source>serial shared with another attached device</source>
        <translation>ten sam numer seryjny ma inne podłączone urządzenie</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>nie można otworzyć (%1)</translation>
    </message>
    <message>
        <source>the write ended with an error (%1)</source>
        <translation>zapis zakończył się błędem (%1)</translation>
    </message>
    <message>
        <source>the read-back failed (exit code %1)</source>
        <translation>odczyt kontrolny nie powiódł się (kod wyjścia %1)</translation>
    </message>
    <message>
        <source>it could not be read after the write</source>
        <translation>nie można go odczytać po zapisie</translation>
    </message>
    <message>
        <source>it could not be read: unplug it and plug it in again</source>
        <translation>nie można go odczytać: odłącz je i podłącz ponownie</translation>
    </message>
    <message>
        <source>empty OTP: the device does not say what it is</source>
        <translation>pusta pamięć OTP: urządzenie nie podaje, czym jest</translation>
    </message>
    <message>
        <source>another product (%1)</source>
        <translation>inny produkt (%1)</translation>
    </message>
    <message>
        <source>it still runs its old firmware</source>
        <translation>nadal działa na starym oprogramowaniu</translation>
    </message>
</context>
<context>
    <name>StationModel</name>
    <message>
        <source>USB path</source>
        <translation>Ścieżka USB</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Oprogramowanie</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Upłynęło</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Devices are being written</source>
        <translation>Trwa zapisywanie urządzeń</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) are being written. A write cut short leaves a device without working firmware, so the writes are finished first.

End the tool once they are finished?</source>
        <translation>
            <numerusform>Zapisywane jest %n urządzenie. Przerwany zapis pozostawia urządzenie bez działającego oprogramowania, dlatego zapis zostanie najpierw dokończony.

Zamknąć narzędzie po jego zakończeniu?</numerusform>
            <numerusform>Zapisywane są %n urządzenia. Przerwany zapis pozostawia urządzenie bez działającego oprogramowania, dlatego zapisy zostaną najpierw dokończone.

Zamknąć narzędzie po ich zakończeniu?</numerusform>
            <numerusform>Zapisywanych jest %n urządzeń. Przerwany zapis pozostawia urządzenie bez działającego oprogramowania, dlatego zapisy zostaną najpierw dokończone.

Zamknąć narzędzie po ich zakończeniu?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;End after the writes</source>
        <translation>&amp;Zamknij po zapisach</translation>
    </message>
    <message>
        <source>&amp;Keep working</source>
        <translation>&amp;Kontynuuj pracę</translation>
    </message>
    <message>
        <source>This copy of the tool is damaged: no device is written. Install it again.</source>
        <translation>Ta kopia narzędzia jest uszkodzona: żadne urządzenie nie zostanie zapisane. Zainstaluj ją ponownie.</translation>
    </message>
    <message>
        <source>The tool cannot unpack or run its dfu-util in %1: no device is written.</source>
        <translation>Narzędzie nie może rozpakować ani uruchomić programu dfu-util w %1: żadne urządzenie nie zostanie zapisane.</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade</source>
        <translation>Aktualizacja oprogramowania Velmora</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade: Station</source>
        <translation>Aktualizacja oprogramowania Velmora: stacja</translation>
    </message>
    <message>
        <source>Attached devices</source>
        <translation>Podłączone urządzenia</translation>
    </message>
    <message>
        <source>One row per device in boot mode. Enter upgrades the selected device when it is ready.</source>
        <translation>Jeden wiersz na każde urządzenie w trybie rozruchu. Enter aktualizuje zaznaczone urządzenie, gdy jest gotowe.</translation>
    </message>
    <message>
        <source>Upgrade &amp;all ready devices</source>
        <translation>Zaktualizuj &amp;wszystkie gotowe urządzenia</translation>
    </message>
    <message>
        <source>&amp;Upgrade the selected device</source>
        <translation>Zaktualizuj &amp;zaznaczone urządzenie</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   Waiting: %3   Devices per hour: %4</source>
        <translation>Ukończone: %1   Nieudane: %2   Oczekujące: %3   Urządzeń na godzinę: %4</translation>
    </message>
    <message>
        <source>Ending once the running writes are finished.</source>
        <translation>Zamykanie po zakończeniu trwających zapisów.</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The state of the connected device and what to do next</source>
        <translation>Stan podłączonego urządzenia i dalsze kroki</translation>
    </message>
    <message>
        <source>The state of the connected device and what to do next. The install button is not available now.</source>
        <translation>Stan podłączonego urządzenia i dalsze kroki. Przycisk instalacji jest teraz niedostępny.</translation>
    </message>
</context>
</TS>
