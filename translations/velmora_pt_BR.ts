<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>HistoryWindow</name>
    <message>
        <source>The shared history server is not used: %1</source>
        <translation>O servidor de histórico compartilhado não está em uso: %1</translation>
    </message>
    <message>
        <source>Connecting to the shared history server...</source>
        <translation>Conectando ao servidor de histórico compartilhado...</translation>
    </message>
    <message>
        <source>The shared history server cannot be reached (%1). %2 record(s) wait to be sent.</source>
        <translation>Não é possível acessar o servidor de histórico compartilhado (%1). Registros aguardando envio: %2.</translation>
    </message>
    <message>
        <source>Every record has reached the shared history server.</source>
        <translation>Todos os registros chegaram ao servidor de histórico compartilhado.</translation>
    </message>
    <message>
        <source>%1 record(s) wait to be sent to the shared history server.</source>
        <translation>Registros aguardando envio ao servidor de histórico compartilhado: %1.</translation>
    </message>
    <message>
        <source>Shared history not used</source>
        <translation>Histórico compartilhado não usado</translation>
    </message>
    <message>
        <source>The shared history server is not used: %1.

Upgrades work and are recorded in this computer&apos;s history.</source>
        <translation>O servidor de histórico compartilhado não está em uso: %1.

As atualizações funcionam e são registradas no histórico deste computador.</translation>
    </message>
    <message>
        <source>Upgrade &amp;history</source>
        <translation>&amp;Histórico de atualizações</translation>
    </message>
    <message>
        <source>Ctrl+H or the context menu (Shift+F10) shows the history of upgrades.</source>
        <translation>Ctrl+H ou o menu de contexto (Shift+F10) mostra o histórico de atualizações.</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>em andamento</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>difere</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>não confirmado</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>falha na gravação</translation>
    </message>
    <message>
        <source>written but not verified</source>
        <translation>gravado, mas não verificado</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>already current</source>
        <translation>já atualizado</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>Início (UTC)</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Nº de série</translation>
    </message>
    <message>
        <source>USB path</source>
        <translation>Caminho USB</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Revision before</source>
        <translation>Versão anterior</translation>
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
        <translation>Estação</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Finished (UTC)</source>
        <translation>Término (UTC)</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>Último erro</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Upgrade history</source>
        <translation>Histórico de atualizações</translation>
    </message>
    <message>
        <source>&amp;Serial:</source>
        <translation>Nº de &amp;série:</translation>
    </message>
    <message>
        <source>Show only serials containing...</source>
        <translation>Mostrar apenas números de série que contêm...</translation>
    </message>
    <message>
        <source>Serial filter</source>
        <translation>Filtro de número de série</translation>
    </message>
    <message>
        <source>Shows only the records whose device serial contains this text.</source>
        <translation>Mostra apenas os registros cujo número de série do dispositivo contém este texto.</translation>
    </message>
    <message>
        <source>Saves the records shown as a CSV or JSON file.</source>
        <translation>Salva os registros exibidos em um arquivo CSV ou JSON.</translation>
    </message>
    <message>
        <source>Upgrade records</source>
        <translation>Registros de atualização</translation>
    </message>
    <message>
        <source>The history is unavailable: %1</source>
        <translation>O histórico não está disponível: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s), kept in %1.</source>
        <translation>
            <numerusform>%n registro, armazenado em %1.</numerusform>
            <numerusform>%n registros, armazenados em %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with a serial containing &quot;%1&quot;, kept in %2.</source>
        <translation>
            <numerusform>%n registro com número de série contendo &quot;%1&quot;, armazenado em %2.</numerusform>
            <numerusform>%n registros com número de série contendo &quot;%1&quot;, armazenados em %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the upgrade history</source>
        <translation>Exportar o histórico de atualizações</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Falha na exportação</translation>
    </message>
    <message>
        <source>The history could not be exported to %1:
%2</source>
        <translation>Não foi possível exportar o histórico para %1:
%2</translation>
    </message>
    <message>
        <source>the connection string %1 cannot be used: %2</source>
        <translation>a string de conexão %1 não pode ser usada: %2</translation>
    </message>
    <message>
        <source>given by --history-server</source>
        <translation>informada em --history-server</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>em %1</translation>
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
&lt;span style=&quot;color:#FFFFFF; font-weight:bold;&quot;&gt;Atualizar firmware&lt;/span&gt;
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
Versão:
&lt;br&gt;
%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>5</source>
        <extracomment>Follow the steps below
to upgrade your product.</extracomment>
        <translation>Siga as etapas abaixo
para atualizar o produto.</translation>
    </message>
    <message>
        <source>7a</source>
        <extracomment>1. Turn off the device</extracomment>
        <translation>1. Desligue o dispositivo</translation>
    </message>
    <message>
        <source>7b</source>
        <extracomment>2. Hold the rightmost button
 under the display while
 pushing the TEST button
 for 1 second</extracomment>
        <translation>2. Segure o botão da direita
    sob o visor enquanto
    pressiona o botão TEST
    por 1 segundo</translation>
    </message>
    <message>
        <source>9</source>
        <extracomment>3. Connect USB cable</extracomment>
        <translation>3. Conecte o cabo USB</translation>
    </message>
    <message>
        <source>8b2</source>
        <extracomment>4. Click here to start upgrade</extracomment>
        <translation>4. Clique aqui para atualizar</translation>
    </message>
    <message>
        <source>status_noDev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The USB cable must have a &apos;Micro B&apos; plug and a &apos;Type A&apos; plug.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
O cabo USB deve ter um conector &apos;Micro B&apos; e um conector &apos;Tipo A&apos;.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devConn</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Conectado ao %1.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Conectado ao %1 com a versão %2 do firmware&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Conectado ao %1 com versão de firmware desconhecida.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_noAccess</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but cannot be opened: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Um dispositivo foi encontrado, mas não pode ser aberto: desconecte-o e conecte-o novamente.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but could not be read: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Um dispositivo foi encontrado, mas não pôde ser lido: desconecte-o e conecte-o novamente.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_severalDevs</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
More than one device is connected in boot mode: unplug all but the one to upgrade.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Há mais de um dispositivo conectado no modo de inicialização: desconecte todos, exceto o que será atualizado.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_written</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The firmware was written. To check it, restart the device in its boot mode: steps 1 to 3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
O firmware foi gravado. Para verificá-lo, reinicie o dispositivo no modo de inicialização: etapas 1 a 3.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing ended with an error. If the device has left, restart it in its boot mode (steps 1 to 3) to check its firmware.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A gravação terminou com erro. Se o dispositivo se desconectou, reinicie-o no modo de inicialização (etapas 1 a 3) para verificar o firmware.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeFailed</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing the firmware failed. Click &quot;%1&quot; to try again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Falha ao gravar o firmware. Clique em &quot;%1&quot; para tentar novamente.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_damaged</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
This copy of the tool is damaged: its firmware is not the one it was built with. Nothing was written. Get the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Esta cópia da ferramenta está danificada: o firmware dela não é aquele com que ela foi criada. Nada foi gravado. Obtenha a ferramenta novamente.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotUnpack</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot unpack its files into %1. Make room there or make it writable, then start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A ferramenta não consegue extrair seus arquivos em %1. Libere espaço nessa pasta ou permita a gravação nela e inicie a ferramenta novamente.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_ready</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2. Click &quot;%3&quot; to install version %4.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Conectado ao %1 com a versão %2 do firmware. Clique em &quot;%3&quot; para instalar a versão %4.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readyRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version. Click &quot;%2&quot; to install version %3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Conectado ao %1 com versão de firmware desconhecida. Clique em &quot;%2&quot; para instalar a versão %3.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writing</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing firmware version %1 to the %2. Keep the cable connected until this line says Done.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Gravando a versão %1 do firmware no %2. Mantenha o cabo conectado até aparecer Pronto nesta linha.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_done</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Done: the %1 has firmware version %2, read back and checked. Disconnect the USB cable.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Pronto: o %1 tem a versão %2 do firmware, relida e verificada. Desconecte o cabo USB.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_otherProduct</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1. This tool upgrades the %2 only: it cannot upgrade this product.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Conectado ao %1. Esta ferramenta atualiza apenas o %2: ela não pode atualizar este produto.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_serialUnreadable</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device&apos;s serial number cannot be read: replug it. If that persists, its boot loader is not answering normally.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Não é possível ler o número de série de um dispositivo: reconecte-o. Se isso persistir, o carregador de inicialização dele não está respondendo normalmente.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_busy</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Another upgrade tool (a station or another window) is using the device. Wait until it is done there.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Outra ferramenta de atualização (uma estação ou outra janela) está usando o dispositivo. Aguarde até que ela termine.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotRun</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot run dfu-util in %1: it may not allow programs. Set TMPDIR to another folder and start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A ferramenta não consegue executar o dfu-util em %1: a pasta pode não permitir programas. Defina TMPDIR como outra pasta e inicie a ferramenta novamente.&lt;/span&gt;</translation>
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
        <translation>Limpar</translation>
    </message>
    <message>
        <source>save output</source>
        <translation>Salvar saída</translation>
    </message>
    <message>
        <source>hide log</source>
        <translation>Ocultar log</translation>
    </message>
    <message>
        <source>Log – Velmora Firmware Upgrade Tool</source>
        <translation>Log – Ferramenta de Atualização de Firmware Velmora</translation>
    </message>
    <message>
        <source>Log messages</source>
        <translation>Mensagens de log</translation>
    </message>
    <message>
        <source>Save Log Output</source>
        <translation>Salvar saída do log</translation>
    </message>
    <message>
        <source>Text Files (&apos;&apos;&apos;.txt);;All Files (*)</source>
        <translation>Arquivos de texto (&apos;&apos;&apos;.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>&lt;nobr&gt;File &apos;%1&apos;&lt;br/&gt;cannot be opened for writing.&lt;br/&gt;&lt;br/&gt;The log output could &lt;b&gt;not&lt;/b&gt; be saved!&lt;/nobr&gt;</source>
        <translation>&lt;nobr&gt;O arquivo &apos;%1&apos;&lt;br/&gt;não pode ser aberto para gravação.&lt;br/&gt;&lt;br/&gt;A saída do log &lt;b&gt;não&lt;/b&gt; pôde ser salva!&lt;/nobr&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmora Firmware Upgrade Tool</source>
        <translation>Ferramenta de Atualização de Firmware Velmora</translation>
    </message>
    <message>
        <source>The tool is damaged and cannot start: its window layout cannot be read.</source>
        <translation>A ferramenta está danificada e não pode ser iniciada: o layout da janela não pode ser lido.</translation>
    </message>
    <message>
        <source>device</source>
        <comment>a device of unknown model, as in &apos;the device has&apos;</comment>
        <translation>dispositivo</translation>
    </message>
    <message>
        <source>Upgrading firmware</source>
        <translation>Atualizando o firmware</translation>
    </message>
    <message>
        <source>Uploading &amp; verifying</source>
        <translation>Relendo e verificando</translation>
    </message>
    <message>
        <source>Done. Disconnect USB cable.</source>
        <translation>Pronto. Desconecte o cabo USB.</translation>
    </message>
    <message>
        <source>FW differs</source>
        <translation>Firmware diferente</translation>
    </message>
    <message>
        <source>The firmware could not be read back from the device to check it, so it is not confirmed.</source>
        <translation>Não foi possível reler o firmware do dispositivo para verificá-lo; por isso, ele não está confirmado.</translation>
    </message>
    <message>
        <source>The firmware read back from the device differs from the firmware written to it.</source>
        <translation>O firmware relido do dispositivo difere do firmware gravado nele.</translation>
    </message>
    <message>
        <source>Click &quot;%1&quot; to write it again.</source>
        <translation>Clique em &quot;%1&quot; para gravá-lo novamente.</translation>
    </message>
    <message>
        <source>Firmware not confirmed</source>
        <translation>Firmware não confirmado</translation>
    </message>
    <message>
        <source>Upgrade in progress</source>
        <translation>Atualização em andamento</translation>
    </message>
    <message>
        <source>The firmware is being written to the device.

Stopping now interrupts the upgrade: the device has no working firmware until it is upgraded again in boot mode.</source>
        <translation>O firmware está sendo gravado no dispositivo.

Parar agora interrompe a atualização: o dispositivo ficará sem firmware funcional até ser atualizado novamente no modo de inicialização.</translation>
    </message>
    <message>
        <source>Keep upgrading</source>
        <translation>Continuar atualizando</translation>
    </message>
    <message>
        <source>Stop anyway</source>
        <translation>Parar mesmo assim</translation>
    </message>
    <message>
        <source>Writes the firmware to the connected device, then reads it back and checks it.</source>
        <translation>Grava o firmware no dispositivo conectado e, em seguida, relê e verifica o firmware gravado.</translation>
    </message>
    <message>
        <source>Not available now: see the status line below.</source>
        <translation>Indisponível no momento: veja a linha de status abaixo.</translation>
    </message>
    <message>
        <source>Firmware version this tool installs: %1</source>
        <translation>Versão do firmware instalada por esta ferramenta: %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Use simulated device interaction.</source>
        <translation>Usar interação simulada com o dispositivo.</translation>
    </message>
    <message>
        <source>Disable use of simulated device interaction.</source>
        <translation>Desativar a interação simulada com o dispositivo.</translation>
    </message>
    <message>
        <source>Enable use of log window (open it with Ctrl-l)</source>
        <translation>Ativar a janela de log (abra-a com Ctrl-l)</translation>
    </message>
    <message>
        <source>Print the upgrade history as csv or json and exit.</source>
        <translation>Exibir o histórico de atualizações em csv ou json e sair.</translation>
    </message>
    <message>
        <source>Share the history on the PostgreSQL server named by this libpq connection string (no password: use ~/.pgpass or a service file).</source>
        <translation>Compartilhar o histórico no servidor PostgreSQL indicado por esta string de conexão libpq (sem senha: use ~/.pgpass ou um arquivo de serviço).</translation>
    </message>
    <message>
        <source>Upgrade several devices at once, in the station window.</source>
        <translation>Atualizar vários dispositivos ao mesmo tempo, na janela da estação.</translation>
    </message>
    <message>
        <source>With --station: upgrade every ready device without a click.</source>
        <translation>Com --station: atualizar todos os dispositivos prontos sem clicar.</translation>
    </message>
    <message>
        <source>Show the window in this language (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English) instead of the system&apos;s.</source>
        <translation>Mostrar a janela neste idioma (de, es, fr, it, ja, pl, pt_BR, zh_CN; en para inglês) em vez do idioma do sistema.</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>%1 % done</source>
        <translation>%1% concluído</translation>
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
        <translation>pronto</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>gravando</translation>
    </message>
    <message>
        <source>away after the write</source>
        <translation>ausente após a gravação</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>verificando</translation>
    </message>
    <message>
        <source>done</source>
        <translation>concluído</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>difere</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>não confirmado</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>falha na gravação</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>recusado</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>ocupado</translation>
    </message>
    <message>
        <source>another upgrade tool is using it</source>
        <translation>outra ferramenta de atualização está usando o dispositivo</translation>
    </message>
    <message>
        <source>its serial number cannot be read</source>
        <translation>não é possível ler o número de série</translation>
    </message>
    <message>
        <source>not a boot loader of ours (%1 memories instead of 4)</source>
        <translation>não é o nosso carregador de inicialização (%1 memórias em vez de 4)</translation>
    </message>
    <message>
        <source>serial shared with another attached device</source>
        <translation>número de série igual ao de outro dispositivo conectado</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>não pode ser aberto (%1)</translation>
    </message>
    <message>
        <source>the write ended with an error (%1)</source>
        <translation>a gravação terminou com erro (%1)</translation>
    </message>
    <message>
        <source>the read-back failed (exit code %1)</source>
        <translation>a releitura falhou (código de saída %1)</translation>
    </message>
    <message>
        <source>it could not be read after the write</source>
        <translation>não foi possível lê-lo após a gravação</translation>
    </message>
    <message>
        <source>it could not be read: unplug it and plug it in again</source>
        <translation>não foi possível lê-lo: desconecte-o e conecte-o novamente</translation>
    </message>
    <message>
        <source>empty OTP: the device does not say what it is</source>
        <translation>OTP vazia: o dispositivo não informa o que ele é</translation>
    </message>
    <message>
        <source>another product (%1)</source>
        <translation>outro produto (%1)</translation>
    </message>
    <message>
        <source>it still runs its old firmware</source>
        <translation>ainda executa o firmware antigo</translation>
    </message>
</context>
<context>
    <name>StationModel</name>
    <message>
        <source>USB path</source>
        <translation>Caminho USB</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Nº de série</translation>
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
        <translation>Tempo decorrido</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Devices are being written</source>
        <translation>Dispositivos em gravação</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) are being written. A write cut short leaves a device without working firmware, so the writes are finished first.

End the tool once they are finished?</source>
        <translation>
            <numerusform>%n dispositivo está sendo gravado. Uma gravação interrompida deixa o dispositivo sem firmware funcional; por isso, a gravação é concluída primeiro.

Encerrar a ferramenta quando ela terminar?</numerusform>
            <numerusform>%n dispositivos estão sendo gravados. Uma gravação interrompida deixa o dispositivo sem firmware funcional; por isso, as gravações são concluídas primeiro.

Encerrar a ferramenta quando elas terminarem?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;End after the writes</source>
        <translation>&amp;Encerrar após as gravações</translation>
    </message>
    <message>
        <source>&amp;Keep working</source>
        <translation>&amp;Continuar trabalhando</translation>
    </message>
    <message>
        <source>This copy of the tool is damaged: no device is written. Install it again.</source>
        <translation>Esta cópia da ferramenta está danificada: nenhum dispositivo será gravado. Instale-a novamente.</translation>
    </message>
    <message>
        <source>The tool cannot unpack or run its dfu-util in %1: no device is written.</source>
        <translation>A ferramenta não consegue extrair ou executar seu dfu-util em %1: nenhum dispositivo será gravado.</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade</source>
        <translation>Atualização de Firmware Velmora</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade: Station</source>
        <translation>Atualização de Firmware Velmora: estação</translation>
    </message>
    <message>
        <source>Attached devices</source>
        <translation>Dispositivos conectados</translation>
    </message>
    <message>
        <source>One row per device in boot mode. Enter upgrades the selected device when it is ready.</source>
        <translation>Uma linha por dispositivo no modo de inicialização. Enter atualiza o dispositivo selecionado quando ele estiver pronto.</translation>
    </message>
    <message>
        <source>Upgrade &amp;all ready devices</source>
        <translation>Atualizar &amp;todos os dispositivos prontos</translation>
    </message>
    <message>
        <source>&amp;Upgrade the selected device</source>
        <translation>Atualizar o dispositivo &amp;selecionado</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   Waiting: %3   Devices per hour: %4</source>
        <translation>Concluídos: %1   Com falha: %2   Aguardando: %3   Dispositivos por hora: %4</translation>
    </message>
    <message>
        <source>Ending once the running writes are finished.</source>
        <translation>Encerrando assim que as gravações em andamento terminarem.</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The state of the connected device and what to do next</source>
        <translation>O estado do dispositivo conectado e o que fazer em seguida</translation>
    </message>
    <message>
        <source>The state of the connected device and what to do next. The install button is not available now.</source>
        <translation>O estado do dispositivo conectado e o que fazer em seguida. O botão de instalação não está disponível no momento.</translation>
    </message>
</context>
</TS>
