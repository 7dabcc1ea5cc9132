<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>HistoryWindow</name>
    <message>
        <source>The shared history server is not used: %1</source>
        <translation>共有履歴サーバーは使用していません：%1</translation>
    </message>
    <message>
        <source>Connecting to the shared history server...</source>
        <translation>共有履歴サーバーに接続しています...</translation>
    </message>
    <message>
        <source>The shared history server cannot be reached (%1). %2 record(s) wait to be sent.</source>
        <translation>共有履歴サーバーに接続できません（%1）。%2 件の記録が送信待ちです。</translation>
    </message>
    <message>
        <source>Every record has reached the shared history server.</source>
        <translation>すべての記録を共有履歴サーバーに送信しました。</translation>
    </message>
    <message>
        <source>%1 record(s) wait to be sent to the shared history server.</source>
        <translation>%1 件の記録が共有履歴サーバーへの送信待ちです。</translation>
    </message>
    <message>
        <source>Shared history not used</source>
        <translation>共有履歴は使用していません</translation>
    </message>
    <message>
        <source>The shared history server is not used: %1.

Upgrades work and are recorded in this computer&apos;s history.</source>
        <translation>共有履歴サーバーは使用していません：%1。

更新は通常どおり行え、このコンピューターの履歴に記録されます。</translation>
    </message>
    <message>
        <source>Upgrade &amp;history</source>
        <translation>更新履歴(&amp;H)</translation>
    </message>
    <message>
        <source>Ctrl+H or the context menu (Shift+F10) shows the history of upgrades.</source>
        <translation>Ctrl+H またはコンテキストメニュー（Shift+F10）で更新履歴を表示します。</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>実行中</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>検証済み</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>不一致</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>未確認</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>書き込み失敗</translation>
    </message>
    <message>
        <source>written but not verified</source>
        <translation>書き込み済み・未検証</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>中断</translation>
    </message>
    <message>
        <source>already current</source>
        <translation>すでに最新</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>開始（UTC）</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>USB path</source>
        <translation>USB パス</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Revision before</source>
        <translation>更新前のバージョン</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>ステーション</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Finished (UTC)</source>
        <translation>終了（UTC）</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>最後のエラー</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>エクスポート(&amp;E)</translation>
    </message>
    <message>
        <source>Upgrade history</source>
        <translation>更新履歴</translation>
    </message>
    <message>
        <source>&amp;Serial:</source>
        <translation>シリアル番号(&amp;S)：</translation>
    </message>
    <message>
        <source>Show only serials containing...</source>
        <translation>この文字列を含むシリアル番号のみ表示...</translation>
    </message>
    <message>
        <source>Serial filter</source>
        <translation>シリアル番号フィルター</translation>
    </message>
    <message>
        <source>Shows only the records whose device serial contains this text.</source>
        <translation>デバイスのシリアル番号にこの文字列を含む記録のみを表示します。</translation>
    </message>
    <message>
        <source>Saves the records shown as a CSV or JSON file.</source>
        <translation>表示中の記録を CSV または JSON ファイルに保存します。</translation>
    </message>
    <message>
        <source>Upgrade records</source>
        <translation>更新の記録</translation>
    </message>
    <message>
        <source>The history is unavailable: %1</source>
        <translation>履歴を利用できません：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s), kept in %1.</source>
        <translation>
            <numerusform>%n 件の記録（保存先：%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with a serial containing &quot;%1&quot;, kept in %2.</source>
        <translation>
            <numerusform>シリアル番号に「%1」を含む記録 %n 件（保存先：%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the upgrade history</source>
        <translation>更新履歴のエクスポート</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>エクスポートに失敗しました</translation>
    </message>
    <message>
        <source>The history could not be exported to %1:
%2</source>
        <translation>履歴を %1 にエクスポートできませんでした：
%2</translation>
    </message>
    <message>
        <source>the connection string %1 cannot be used: %2</source>
        <translation>接続文字列（%1）は使用できません：%2</translation>
    </message>
    <message>
        <source>given by --history-server</source>
        <translation>--history-server で指定</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>%1 内</translation>
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
&lt;span style=&quot;color:#FFFFFF; font-weight:bold;&quot;&gt;ファームウェア更新&lt;/span&gt;
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
バージョン：
&lt;br&gt;
%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>5</source>
        <extracomment>Follow the steps below
to upgrade your product.</extracomment>
        <translation>以下の手順に従って
製品を更新してください。</translation>
    </message>
    <message>
        <source>7a</source>
        <extracomment>1. Turn off the device</extracomment>
        <translation>1. デバイスの電源を切ります</translation>
    </message>
    <message>
        <source>7b</source>
        <extracomment>2. Hold the rightmost button
 under the display while
 pushing the TEST button
 for 1 second</extracomment>
        <translation>2. 画面の下の一番右のボタンを
    押したまま、TEST ボタンを
    1 秒間押します</translation>
    </message>
    <message>
        <source>9</source>
        <extracomment>3. Connect USB cable</extracomment>
        <translation>3. USB ケーブルを接続</translation>
    </message>
    <message>
        <source>8b2</source>
        <extracomment>4. Click here to start upgrade</extracomment>
        <translation>4. クリックして更新を開始</translation>
    </message>
    <message>
        <source>status_noDev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The USB cable must have a &apos;Micro B&apos; plug and a &apos;Type A&apos; plug.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
「Micro B」と「Type A」のプラグが付いた USB ケーブルを使用してください。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devConn</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
%1 に接続しました。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
ファームウェア %2 の %1 に接続しました。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
%1 に接続しました。ファームウェアのバージョンは不明です。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_noAccess</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but cannot be opened: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
デバイスが見つかりましたが、開けません。接続し直してください。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but could not be read: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
デバイスが見つかりましたが、読み取れませんでした。接続し直してください。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_severalDevs</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
More than one device is connected in boot mode: unplug all but the one to upgrade.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
ブートモードのデバイスが複数あります。更新するデバイス以外を取り外してください。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_written</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The firmware was written. To check it, restart the device in its boot mode: steps 1 to 3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
ファームウェアを書き込みました。確認するには、デバイスをブートモードで再起動してください（手順 1～3）。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing ended with an error. If the device has left, restart it in its boot mode (steps 1 to 3) to check its firmware.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
書き込みがエラーで終了しました。デバイスが切断された場合は、ブートモードで再起動して（手順 1～3）ファームウェアを確認してください。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeFailed</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing the firmware failed. Click &quot;%1&quot; to try again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
書き込みに失敗しました。「%1」をクリックして再試行してください。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_damaged</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
This copy of the tool is damaged: its firmware is not the one it was built with. Nothing was written. Get the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
このツールは破損しています。ファームウェアがビルド時のものと一致しません。何も書き込んでいません。ツールを入手し直してください。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotUnpack</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot unpack its files into %1. Make room there or make it writable, then start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
ツールのファイルを %1 に展開できません。空き容量を確保するか書き込み可能にしてから、ツールを再起動してください。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_ready</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2. Click &quot;%3&quot; to install version %4.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
ファームウェア %2 の %1 に接続しました。「%3」をクリックするとバージョン %4 をインストールします。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readyRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version. Click &quot;%2&quot; to install version %3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
%1 に接続しました（ファームウェアのバージョン不明）。「%2」をクリックするとバージョン %3 をインストールします。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writing</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing firmware version %1 to the %2. Keep the cable connected until this line says Done.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
%2 にファームウェア %1 を書き込んでいます。ここに「完了」と表示されるまでケーブルを外さないでください。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_done</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Done: the %1 has firmware version %2, read back and checked. Disconnect the USB cable.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
完了：%1 のファームウェアは %2 です（読み出して検証済み）。USB ケーブルを外してください。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_otherProduct</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1. This tool upgrades the %2 only: it cannot upgrade this product.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
%1 に接続しました。このツールは %2 専用のため、この製品は更新できません。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_serialUnreadable</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device&apos;s serial number cannot be read: replug it. If that persists, its boot loader is not answering normally.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
デバイスのシリアル番号を読み取れません。接続し直してください。解決しない場合、ブートローダーが正常に応答していません。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_busy</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Another upgrade tool (a station or another window) is using the device. Wait until it is done there.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
別の更新ツール（ステーションまたは別のウィンドウ）がデバイスを使用中です。そちらの処理が終わるまでお待ちください。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotRun</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot run dfu-util in %1: it may not allow programs. Set TMPDIR to another folder and start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
%1 で dfu-util を実行できません。プログラムの実行が許可されていない可能性があります。TMPDIR に別のフォルダーを設定して、ツールを再起動してください。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>sim_mode</source>
        <extracomment>Simulator mode</extracomment>
        <translation>シミュレーターモード</translation>
    </message>
</context>
<context>
    <name>LogWindowDialog</name>
    <message>
        <source>clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>save output</source>
        <translation>出力を保存</translation>
    </message>
    <message>
        <source>hide log</source>
        <translation>ログを隠す</translation>
    </message>
    <message>
        <source>Log – Velmora Firmware Upgrade Tool</source>
        <translation>ログ – Velmora ファームウェア更新ツール</translation>
    </message>
    <message>
        <source>Log messages</source>
        <translation>ログメッセージ</translation>
    </message>
    <message>
        <source>Save Log Output</source>
        <translation>ログ出力の保存</translation>
    </message>
    <message>
        <source>Text Files (&apos;&apos;&apos;.txt);;All Files (*)</source>
        <translation>テキストファイル (&apos;&apos;&apos;.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>&lt;nobr&gt;File &apos;%1&apos;&lt;br/&gt;cannot be opened for writing.&lt;br/&gt;&lt;br/&gt;The log output could &lt;b&gt;not&lt;/b&gt; be saved!&lt;/nobr&gt;</source>
        <translation>&lt;nobr&gt;ファイル「%1」を&lt;br/&gt;書き込み用に開けません。&lt;br/&gt;&lt;br/&gt;ログ出力を保存&lt;b&gt;できませんでした&lt;/b&gt;。&lt;/nobr&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmora Firmware Upgrade Tool</source>
        <translation>Velmora ファームウェア更新ツール</translation>
    </message>
    <message>
        <source>The tool is damaged and cannot start: its window layout cannot be read.</source>
        <translation>ツールが破損しているため起動できません。ウィンドウのレイアウトを読み込めません。</translation>
    </message>
    <message>
        <source>device</source>
        <comment>a device of unknown model, as in &apos;the device has&apos;</comment>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Upgrading firmware</source>
        <translation>ファームウェアを更新中</translation>
    </message>
    <message>
        <source>Uploading &amp; verifying</source>
        <translation>読み出して検証中</translation>
    </message>
    <message>
        <source>Done. Disconnect USB cable.</source>
        <translation>完了。USB ケーブルを外せます</translation>
    </message>
    <message>
        <source>FW differs</source>
        <translation>ファームウェア不一致</translation>
    </message>
    <message>
        <source>The firmware could not be read back from the device to check it, so it is not confirmed.</source>
        <translation>確認のためにデバイスからファームウェアを読み出せなかったため、ファームウェアは未確認です。</translation>
    </message>
    <message>
        <source>The firmware read back from the device differs from the firmware written to it.</source>
        <translation>デバイスから読み出したファームウェアが、書き込んだファームウェアと一致しません。</translation>
    </message>
    <message>
        <source>Click &quot;%1&quot; to write it again.</source>
        <translation>「%1」をクリックして、もう一度書き込んでください。</translation>
    </message>
    <message>
        <source>Firmware not confirmed</source>
        <translation>ファームウェア未確認</translation>
    </message>
    <message>
        <source>Upgrade in progress</source>
        <translation>更新中</translation>
    </message>
    <message>
        <source>The firmware is being written to the device.

Stopping now interrupts the upgrade: the device has no working firmware until it is upgraded again in boot mode.</source>
        <translation>デバイスにファームウェアを書き込んでいます。

今中止すると更新が中断され、ブートモードで再度更新するまで、デバイスには動作するファームウェアがない状態になります。</translation>
    </message>
    <message>
        <source>Keep upgrading</source>
        <translation>更新を続ける</translation>
    </message>
    <message>
        <source>Stop anyway</source>
        <translation>中止する</translation>
    </message>
    <message>
        <source>Writes the firmware to the connected device, then reads it back and checks it.</source>
        <translation>接続されたデバイスにファームウェアを書き込み、読み出して検証します。</translation>
    </message>
    <message>
        <source>Not available now: see the status line below.</source>
        <translation>現在は使用できません。下のステータス行を確認してください。</translation>
    </message>
    <message>
        <source>Firmware version this tool installs: %1</source>
        <translation>このツールがインストールするファームウェアのバージョン：%1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Use simulated device interaction.</source>
        <translation>デバイスとのやり取りをシミュレートします。</translation>
    </message>
    <message>
        <source>Disable use of simulated device interaction.</source>
        <translation>デバイスとのやり取りのシミュレーションを無効にします。</translation>
    </message>
    <message>
        <source>Enable use of log window (open it with Ctrl-l)</source>
        <translation>ログウィンドウを有効にします（Ctrl-l で開きます）</translation>
    </message>
    <message>
        <source>Print the upgrade history as csv or json and exit.</source>
        <translation>更新履歴を csv または json 形式で出力して終了します。</translation>
    </message>
    <message>
        <source>Share the history on the PostgreSQL server named by this libpq connection string (no password: use ~/.pgpass or a service file).</source>
        <translation>この libpq 接続文字列で指定した PostgreSQL サーバーで履歴を共有します（パスワードは含めず、~/.pgpass またはサービスファイルを使用してください）。</translation>
    </message>
    <message>
        <source>Upgrade several devices at once, in the station window.</source>
        <translation>ステーションウィンドウで複数のデバイスを同時に更新します。</translation>
    </message>
    <message>
        <source>With --station: upgrade every ready device without a click.</source>
        <translation>--station と併用：準備完了のデバイスをクリックなしですべて更新します。</translation>
    </message>
    <message>
        <source>Show the window in this language (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English) instead of the system&apos;s.</source>
        <translation>システムの言語ではなく、指定した言語（de、es、fr、it、ja、pl、pt_BR、zh_CN。英語は en）でウィンドウを表示します。</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>%1 % done</source>
        <translation>%1% 完了</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>identifying</source>
        <translation>識別中</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>書き込み中</translation>
    </message>
    <message>
        <source>away after the write</source>
        <translation>書き込み後に切断</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>検証中</translation>
    </message>
    <message>
        <source>done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>不一致</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>未確認</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>書き込み失敗</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>拒否</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>another upgrade tool is using it</source>
        <translation>別の更新ツールが使用しています</translation>
    </message>
    <message>
        <source>its serial number cannot be read</source>
        <translation>シリアル番号を読み取れません</translation>
    </message>
    <message>
        <source>not a boot loader of ours (%1 memories instead of 4)</source>
        <translation>対応するブートローダーではありません（メモリが 4 個ではなく %1 個）</translation>
    </message>
    <message>
        <source>serial shared with another attached device</source>
        <translation>接続中の別のデバイスとシリアル番号が重複しています</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>開けません（%1）</translation>
    </message>
    <message>
        <source>the write ended with an error (%1)</source>
        <translation>書き込みがエラーで終了しました（%1）</translation>
    </message>
    <message>
        <source>the read-back failed (exit code %1)</source>
        <translation>読み出しに失敗しました（終了コード %1）</translation>
    </message>
    <message>
        <source>it could not be read after the write</source>
        <translation>書き込み後に読み取れませんでした</translation>
    </message>
    <message>
        <source>it could not be read: unplug it and plug it in again</source>
        <translation>読み取れませんでした。接続し直してください</translation>
    </message>
    <message>
        <source>empty OTP: the device does not say what it is</source>
        <translation>OTP が空です。デバイスの種類がわかりません</translation>
    </message>
    <message>
        <source>another product (%1)</source>
        <translation>別の製品（%1）</translation>
    </message>
    <message>
        <source>it still runs its old firmware</source>
        <translation>古いファームウェアのままです</translation>
    </message>
</context>
<context>
    <name>StationModel</name>
    <message>
        <source>USB path</source>
        <translation>USB パス</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>経過時間</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Devices are being written</source>
        <translation>デバイスに書き込み中です</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) are being written. A write cut short leaves a device without working firmware, so the writes are finished first.

End the tool once they are finished?</source>
        <translation>
            <numerusform>%n 台のデバイスに書き込み中です。書き込みを途中で止めるとデバイスが動作するファームウェアのない状態になるため、先に書き込みを完了させます。

完了後にツールを終了しますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;End after the writes</source>
        <translation>書き込み後に終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Keep working</source>
        <translation>作業を続ける(&amp;K)</translation>
    </message>
    <message>
        <source>This copy of the tool is damaged: no device is written. Install it again.</source>
        <translation>このツールは破損しているため、デバイスには書き込みません。インストールし直してください。</translation>
    </message>
    <message>
        <source>The tool cannot unpack or run its dfu-util in %1: no device is written.</source>
        <translation>%1 で dfu-util を展開または実行できないため、デバイスには書き込みません。</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade</source>
        <translation>Velmora ファームウェア更新</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade: Station</source>
        <translation>Velmora ファームウェア更新：ステーション</translation>
    </message>
    <message>
        <source>Attached devices</source>
        <translation>接続中のデバイス</translation>
    </message>
    <message>
        <source>One row per device in boot mode. Enter upgrades the selected device when it is ready.</source>
        <translation>ブートモードのデバイスごとに 1 行表示します。選択したデバイスが準備完了なら、Enter キーで更新します。</translation>
    </message>
    <message>
        <source>Upgrade &amp;all ready devices</source>
        <translation>準備完了のデバイスをすべて更新(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Upgrade the selected device</source>
        <translation>選択したデバイスを更新(&amp;U)</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   Waiting: %3   Devices per hour: %4</source>
        <translation>完了：%1   失敗：%2   待機中：%3   1 時間あたりの台数：%4</translation>
    </message>
    <message>
        <source>Ending once the running writes are finished.</source>
        <translation>実行中の書き込みが完了したら終了します。</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The state of the connected device and what to do next</source>
        <translation>接続されたデバイスの状態と次に行う操作</translation>
    </message>
    <message>
        <source>The state of the connected device and what to do next. The install button is not available now.</source>
        <translation>接続されたデバイスの状態と次に行う操作。インストールボタンは現在使用できません。</translation>
    </message>
</context>
</TS>
