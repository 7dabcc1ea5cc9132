<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>HistoryWindow</name>
    <message>
        <source>The shared history server is not used: %1</source>
        <translation>Le serveur d’historique commun n’est pas utilisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Connecting to the shared history server...</source>
        <translation>Connexion au serveur d’historique commun…</translation>
    </message>
    <message>
        <source>The shared history server cannot be reached (%1). %2 record(s) wait to be sent.</source>
        <translation>Le serveur d’historique commun est injoignable (%1). Entrées en attente d’envoi&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Every record has reached the shared history server.</source>
        <translation>Toutes les entrées sont arrivées sur le serveur d’historique commun.</translation>
    </message>
    <message>
        <source>%1 record(s) wait to be sent to the shared history server.</source>
        <translation>Entrées en attente d’envoi au serveur d’historique commun&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Shared history not used</source>
        <translation>Historique commun non utilisé</translation>
    </message>
    <message>
        <source>The shared history server is not used: %1.

Upgrades work and are recorded in this computer&apos;s history.</source>
        <translation>Le serveur d’historique commun n’est pas utilisé&#xa0;: %1.

Les mises à jour fonctionnent et sont enregistrées dans l’historique de cet ordinateur.</translation>
    </message>
    <message>
        <source>Upgrade &amp;history</source>
        <translation>&amp;Historique des mises à jour</translation>
    </message>
    <message>
        <source>Ctrl+H or the context menu (Shift+F10) shows the history of upgrades.</source>
        <translation>Ctrl+H ou le menu contextuel (Maj+F10) affiche l’historique des mises à jour.</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifié</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>diffère</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>non confirmé</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>échec de l’écriture</translation>
    </message>
    <message>
        <source>written but not verified</source>
        <translation>écrit mais non vérifié</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>already current</source>
        <translation>déjà à jour</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>Début (UTC)</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>USB path</source>
        <translation>Chemin USB</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Revision before</source>
        <translation>Version précédente</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Finished (UTC)</source>
        <translation>Fin (UTC)</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>Dernière erreur</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>Upgrade history</source>
        <translation>Historique des mises à jour</translation>
    </message>
    <message>
        <source>&amp;Serial:</source>
        <translation>N° de &amp;série&#xa0;:</translation>
    </message>
    <message>
        <source>Show only serials containing...</source>
        <translation>Seulement les n° de série contenant…</translation>
    </message>
    <message>
        <source>Serial filter</source>
        <translation>Filtre de numéro de série</translation>
    </message>
    <message>
        <source>Shows only the records whose device serial contains this text.</source>
        <translation>N’affiche que les entrées dont le numéro de série de l’appareil contient ce texte.</translation>
    </message>
    <message>
        <source>Saves the records shown as a CSV or JSON file.</source>
        <translation>Enregistre les entrées affichées dans un fichier CSV ou JSON.</translation>
    </message>
    <message>
        <source>Upgrade records</source>
        <translation>Entrées de mise à jour</translation>
    </message>
    <message>
        <source>The history is unavailable: %1</source>
        <translation>L’historique n’est pas disponible&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s), kept in %1.</source>
        <translation>
            <numerusform>%n entrée, conservée dans %1.</numerusform>
            <numerusform>%n entrées, conservées dans %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with a serial containing &quot;%1&quot;, kept in %2.</source>
        <translation>
            <numerusform>%n entrée dont le numéro de série contient «&#xa0;%1&#xa0;», conservée dans %2.</numerusform>
            <numerusform>%n entrées dont le numéro de série contient «&#xa0;%1&#xa0;», conservées dans %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the upgrade history</source>
        <translation>Exporter l’historique des mises à jour</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Échec de l’exportation</translation>
    </message>
    <message>
        <source>The history could not be exported to %1:
%2</source>
        <translation>L’historique n’a pas pu être exporté vers %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>the connection string %1 cannot be used: %2</source>
        <translation>la chaîne de connexion %1 est inutilisable : %2</translation>
    </message>
    <message>
        <source>given by --history-server</source>
        <translation>donnée par --history-server</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>dans %1</translation>
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
&lt;span style=&quot;color:#FFFFFF; font-weight:bold;&quot;&gt;Mise à jour firmware&lt;/span&gt;
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
Version&#xa0;:
&lt;br&gt;
%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>5</source>
        <extracomment>Follow the steps below
to upgrade your product.</extracomment>
        <translation>Suivez ces étapes pour
mettre à jour l’appareil.</translation>
    </message>
    <message>
        <source>7a</source>
        <extracomment>1. Turn off the device</extracomment>
        <translation>1. Éteignez l’appareil</translation>
    </message>
    <message>
        <source>7b</source>
        <extracomment>2. Hold the rightmost button
 under the display while
 pushing the TEST button
 for 1 second</extracomment>
        <translation>2. Maintenez le bouton le plus
    à droite sous l’écran et
    appuyez pendant 1 seconde
    sur le bouton TEST</translation>
    </message>
    <message>
        <source>9</source>
        <extracomment>3. Connect USB cable</extracomment>
        <translation>3. Branchez le câble USB</translation>
    </message>
    <message>
        <source>8b2</source>
        <extracomment>4. Click here to start upgrade</extracomment>
        <translation>4. Cliquez pour mettre à jour</translation>
    </message>
    <message>
        <source>status_noDev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The USB cable must have a &apos;Micro B&apos; plug and a &apos;Type A&apos; plug.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Le câble USB doit avoir une fiche «&#xa0;Micro B&#xa0;» et une fiche «&#xa0;Type A&#xa0;».&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devConn</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Appareil %1 connecté.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Appareil %1 connecté, version du firmware %2&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Appareil %1 connecté, version du firmware inconnue.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_noAccess</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but cannot be opened: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Un appareil a été trouvé mais ne peut pas être ouvert&#xa0;: débranchez-le et rebranchez-le.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but could not be read: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Un appareil a été trouvé mais n’a pas pu être lu&#xa0;: débranchez-le et rebranchez-le.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_severalDevs</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
More than one device is connected in boot mode: unplug all but the one to upgrade.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Plusieurs appareils sont connectés en mode d’amorçage&#xa0;: ne laissez branché que celui à mettre à jour.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_written</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The firmware was written. To check it, restart the device in its boot mode: steps 1 to 3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Le firmware a été écrit. Pour le vérifier, redémarrez l’appareil en mode d’amorçage&#xa0;: étapes 1 à 3.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing ended with an error. If the device has left, restart it in its boot mode (steps 1 to 3) to check its firmware.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
L’écriture s’est terminée par une erreur. Si l’appareil s’est déconnecté, redémarrez-le en mode d’amorçage (étapes 1 à 3) pour vérifier son firmware.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeFailed</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing the firmware failed. Click &quot;%1&quot; to try again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
L’écriture du firmware a échoué. Cliquez sur «&#xa0;%1&#xa0;» pour réessayer.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_damaged</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
This copy of the tool is damaged: its firmware is not the one it was built with. Nothing was written. Get the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Cette copie de l’outil est endommagée&#xa0;: son firmware n’est pas celui avec lequel elle a été créée. Rien n’a été écrit. Procurez-vous à nouveau l’outil.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotUnpack</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot unpack its files into %1. Make room there or make it writable, then start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
L’outil ne peut pas décompresser ses fichiers dans %1. Libérez de l’espace ou rendez ce dossier accessible en écriture, puis relancez l’outil.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_ready</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2. Click &quot;%3&quot; to install version %4.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Appareil %1 connecté, version du firmware %2. Cliquez sur «&#xa0;%3&#xa0;» pour installer la version %4.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readyRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version. Click &quot;%2&quot; to install version %3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Appareil %1 connecté, version du firmware inconnue. Cliquez sur «&#xa0;%2&#xa0;» pour installer la version %3.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writing</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing firmware version %1 to the %2. Keep the cable connected until this line says Done.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Écriture du firmware version %1 sur l’appareil %2. Laissez le câble branché jusqu’à ce que cette ligne indique «&#xa0;Terminé&#xa0;».&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_done</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Done: the %1 has firmware version %2, read back and checked. Disconnect the USB cable.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Terminé&#xa0;: l’appareil %1 a le firmware version %2, relu et vérifié. Retirez le câble USB.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_otherProduct</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1. This tool upgrades the %2 only: it cannot upgrade this product.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Appareil %1 connecté. Cet outil ne met à jour que les appareils %2&#xa0;: il ne peut pas mettre à jour ce produit.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_serialUnreadable</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device&apos;s serial number cannot be read: replug it. If that persists, its boot loader is not answering normally.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Le numéro de série d’un appareil est illisible&#xa0;: rebranchez-le. Si le problème persiste, son chargeur d’amorçage ne répond pas normalement.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_busy</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Another upgrade tool (a station or another window) is using the device. Wait until it is done there.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Un autre outil de mise à jour (une station ou une autre fenêtre) utilise l’appareil. Attendez qu’il ait terminé.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotRun</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot run dfu-util in %1: it may not allow programs. Set TMPDIR to another folder and start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
L’outil ne peut pas exécuter dfu-util dans %1&#xa0;: ce dossier n’autorise peut-être pas les programmes. Définissez TMPDIR sur un autre dossier et relancez l’outil.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>sim_mode</source>
        <extracomment>Simulator mode</extracomment>
        <translation>Mode simulateur</translation>
    </message>
</context>
<context>
    <name>LogWindowDialog</name>
    <message>
        <source>clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>save output</source>
        <translation>Enregistrer la sortie</translation>
    </message>
    <message>
        <source>hide log</source>
        <translation>Masquer le journal</translation>
    </message>
    <message>
        <source>Log – Velmora Firmware Upgrade Tool</source>
        <translation>Journal – Outil de mise à jour du firmware Velmora</translation>
    </message>
    <message>
        <source>Log messages</source>
        <translation>Messages du journal</translation>
    </message>
    <message>
        <source>Save Log Output</source>
        <translation>Enregistrer la sortie du journal</translation>
    </message>
    <message>
        <source>Text Files (&apos;&apos;&apos;.txt);;All Files (*)</source>
        <translation>Fichiers texte (&apos;&apos;&apos;.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&lt;nobr&gt;File &apos;%1&apos;&lt;br/&gt;cannot be opened for writing.&lt;br/&gt;&lt;br/&gt;The log output could &lt;b&gt;not&lt;/b&gt; be saved!&lt;/nobr&gt;</source>
        <translation>&lt;nobr&gt;Le fichier «&#xa0;%1&#xa0;»&lt;br/&gt;ne peut pas être ouvert en écriture.&lt;br/&gt;&lt;br/&gt;La sortie du journal n’a &lt;b&gt;pas&lt;/b&gt; pu être enregistrée&#xa0;!&lt;/nobr&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmora Firmware Upgrade Tool</source>
        <translation>Outil de mise à jour du firmware Velmora</translation>
    </message>
    <message>
        <source>The tool is damaged and cannot start: its window layout cannot be read.</source>
        <translation>L’outil est endommagé et ne peut pas démarrer&#xa0;: la disposition de sa fenêtre est illisible.</translation>
    </message>
    <message>
        <source>device</source>
        <comment>a device of unknown model, as in &apos;the device has&apos;</comment>
        <translation>(modèle inconnu)</translation>
    </message>
    <message>
        <source>Upgrading firmware</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>Uploading &amp; verifying</source>
        <translation>Transfert et vérification</translation>
    </message>
    <message>
        <source>Done. Disconnect USB cable.</source>
        <translation>Terminé. Retirez le câble USB.</translation>
    </message>
    <message>
        <source>FW differs</source>
        <translation>Le firmware diffère</translation>
    </message>
    <message>
        <source>The firmware could not be read back from the device to check it, so it is not confirmed.</source>
        <translation>Le firmware n’a pas pu être relu depuis l’appareil pour le vérifier&#xa0;: il n’est donc pas confirmé.</translation>
    </message>
    <message>
        <source>The firmware read back from the device differs from the firmware written to it.</source>
        <translation>Le firmware relu depuis l’appareil diffère de celui qui y a été écrit.</translation>
    </message>
    <message>
        <source>Click &quot;%1&quot; to write it again.</source>
        <translation>Cliquez sur «&#xa0;%1&#xa0;» pour l’écrire à nouveau.</translation>
    </message>
    <message>
        <source>Firmware not confirmed</source>
        <translation>Firmware non confirmé</translation>
    </message>
    <message>
        <source>Upgrade in progress</source>
        <translation>Mise à jour en cours</translation>
    </message>
    <message>
        <source>The firmware is being written to the device.

Stopping now interrupts the upgrade: the device has no working firmware until it is upgraded again in boot mode.</source>
        <translation>Le firmware est en cours d’écriture dans l’appareil.

Arrêter maintenant interrompt la mise à jour&#xa0;: l’appareil n’aura plus de firmware fonctionnel tant qu’il n’aura pas été remis à jour en mode d’amorçage.</translation>
    </message>
    <message>
        <source>Keep upgrading</source>
        <translation>Poursuivre la mise à jour</translation>
    </message>
    <message>
        <source>Stop anyway</source>
        <translation>Arrêter quand même</translation>
    </message>
    <message>
        <source>Writes the firmware to the connected device, then reads it back and checks it.</source>
        <translation>Écrit le firmware dans l’appareil connecté, puis le relit et le vérifie.</translation>
    </message>
    <message>
        <source>Not available now: see the status line below.</source>
        <translation>Indisponible pour le moment&#xa0;: voir la ligne d’état ci-dessous.</translation>
    </message>
    <message>
        <source>Firmware version this tool installs: %1</source>
        <translation>Version du firmware installée par cet outil&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Use simulated device interaction.</source>
        <translation>Simuler l’interaction avec l’appareil.</translation>
    </message>
    <message>
        <source>Disable use of simulated device interaction.</source>
        <translation>Désactiver la simulation de l’interaction avec l’appareil.</translation>
    </message>
    <message>
        <source>Enable use of log window (open it with Ctrl-l)</source>
        <translation>Activer la fenêtre du journal (l’ouvrir avec Ctrl+L)</translation>
    </message>
    <message>
        <source>Print the upgrade history as csv or json and exit.</source>
        <translation>Afficher l’historique des mises à jour en csv ou json, puis quitter.</translation>
    </message>
    <message>
        <source>Share the history on the PostgreSQL server named by this libpq connection string (no password: use ~/.pgpass or a service file).</source>
        <translation>Mettre l’historique en commun sur le serveur PostgreSQL désigné par cette chaîne de connexion libpq (pas de mot de passe&#xa0;: utilisez ~/.pgpass ou un fichier de service).</translation>
    </message>
    <message>
        <source>Upgrade several devices at once, in the station window.</source>
        <translation>Mettre à jour plusieurs appareils à la fois, dans la fenêtre Station.</translation>
    </message>
    <message>
        <source>With --station: upgrade every ready device without a click.</source>
        <translation>Avec --station&#xa0;: mettre à jour chaque appareil prêt sans clic.</translation>
    </message>
    <message>
        <source>Show the window in this language (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English) instead of the system&apos;s.</source>
        <translation>Afficher la fenêtre dans cette langue au lieu de celle du système (de, es, fr, it, ja, pl, pt_BR, zh_CN&#xa0;; en pour l’anglais).</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>%1 % done</source>
        <translation>%1 % effectué</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>identifying</source>
        <translation>identification</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>prêt</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>away after the write</source>
        <translation>déconnecté après l’écriture</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>vérification</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>diffère</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>non confirmé</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>échec de l’écriture</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>occupé</translation>
    </message>
    <message>
        <source>another upgrade tool is using it</source>
        <translation>un autre outil de mise à jour l’utilise</translation>
    </message>
    <message>
        <source>its serial number cannot be read</source>
        <translation>son numéro de série est illisible</translation>
    </message>
    <message>
        <source>not a boot loader of ours (%1 memories instead of 4)</source>
        <translation>pas l’un de nos chargeurs d’amorçage (%1 zones mémoire au lieu de 4)</translation>
    </message>
    <message>
        <source>serial shared with another attached device</source>
        <translation>même numéro de série qu’un autre appareil connecté</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>ouverture impossible (%1)</translation>
    </message>
    <message>
        <source>the write ended with an error (%1)</source>
        <translation>l’écriture s’est terminée par une erreur (%1)</translation>
    </message>
    <message>
        <source>the read-back failed (exit code %1)</source>
        <translation>la relecture a échoué (code de sortie %1)</translation>
    </message>
    <message>
        <source>it could not be read after the write</source>
        <translation>illisible après l’écriture</translation>
    </message>
    <message>
        <source>it could not be read: unplug it and plug it in again</source>
        <translation>lecture impossible&#xa0;: débranchez-le et rebranchez-le</translation>
    </message>
    <message>
        <source>empty OTP: the device does not say what it is</source>
        <translation>OTP vide&#xa0;: l’appareil n’indique pas ce qu’il est</translation>
    </message>
    <message>
        <source>another product (%1)</source>
        <translation>autre produit (%1)</translation>
    </message>
    <message>
        <source>it still runs its old firmware</source>
        <translation>il utilise encore son ancien firmware</translation>
    </message>
</context>
<context>
    <name>StationModel</name>
    <message>
        <source>USB path</source>
        <translation>Chemin USB</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Durée</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Devices are being written</source>
        <translation>Écriture des appareils en cours</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) are being written. A write cut short leaves a device without working firmware, so the writes are finished first.

End the tool once they are finished?</source>
        <translation>
            <numerusform>%n appareil est en cours d’écriture. Une écriture interrompue laisse un appareil sans firmware fonctionnel&#xa0;: l’écriture est donc d’abord menée à son terme.

Quitter l’outil une fois l’écriture terminée&#xa0;?</numerusform>
            <numerusform>%n appareils sont en cours d’écriture. Une écriture interrompue laisse un appareil sans firmware fonctionnel&#xa0;: les écritures sont donc d’abord menées à leur terme.

Quitter l’outil une fois les écritures terminées&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;End after the writes</source>
        <translation>&amp;Quitter après les écritures</translation>
    </message>
    <message>
        <source>&amp;Keep working</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>This copy of the tool is damaged: no device is written. Install it again.</source>
        <translation>Cette copie de l’outil est endommagée&#xa0;: aucun appareil n’est écrit. Réinstallez l’outil.</translation>
    </message>
    <message>
        <source>The tool cannot unpack or run its dfu-util in %1: no device is written.</source>
        <translation>L’outil ne peut ni décompresser ni exécuter son dfu-util dans %1&#xa0;: aucun appareil n’est écrit.</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade</source>
        <translation>Mise à jour du firmware Velmora</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade: Station</source>
        <translation>Mise à jour du firmware Velmora&#xa0;: station</translation>
    </message>
    <message>
        <source>Attached devices</source>
        <translation>Appareils connectés</translation>
    </message>
    <message>
        <source>One row per device in boot mode. Enter upgrades the selected device when it is ready.</source>
        <translation>Une ligne par appareil en mode d’amorçage. La touche Entrée met à jour l’appareil sélectionné lorsqu’il est prêt.</translation>
    </message>
    <message>
        <source>Upgrade &amp;all ready devices</source>
        <translation>Mettre à jour &amp;tous les appareils prêts</translation>
    </message>
    <message>
        <source>&amp;Upgrade the selected device</source>
        <translation>Mettre à jour l’appareil &amp;sélectionné</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   Waiting: %3   Devices per hour: %4</source>
        <translation>Terminés&#xa0;: %1   Échecs&#xa0;: %2   En attente&#xa0;: %3   Appareils par heure&#xa0;: %4</translation>
    </message>
    <message>
        <source>Ending once the running writes are finished.</source>
        <translation>Fermeture dès la fin des écritures en cours.</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The state of the connected device and what to do next</source>
        <translation>État de l’appareil connecté et prochaine étape</translation>
    </message>
    <message>
        <source>The state of the connected device and what to do next. The install button is not available now.</source>
        <translation>État de l’appareil connecté et prochaine étape. Le bouton d’installation n’est pas disponible pour le moment.</translation>
    </message>
</context>
</TS>
