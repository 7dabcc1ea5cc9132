<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>HistoryWindow</name>
    <message>
        <source>The shared history server is not used: %1</source>
        <translation>未使用共享历史服务器：%1</translation>
    </message>
    <message>
        <source>Connecting to the shared history server...</source>
        <translation>正在连接共享历史服务器...</translation>
    </message>
    <message>
        <source>The shared history server cannot be reached (%1). %2 record(s) wait to be sent.</source>
        <translation>无法连接共享历史服务器（%1）。%2 条记录等待发送。</translation>
    </message>
    <message>
        <source>Every record has reached the shared history server.</source>
        <translation>所有记录均已发送到共享历史服务器。</translation>
    </message>
    <message>
        <source>%1 record(s) wait to be sent to the shared history server.</source>
        <translation>%1 条记录等待发送到共享历史服务器。</translation>
    </message>
    <message>
        <source>Shared history not used</source>
        <translation>未使用共享历史</translation>
    </message>
    <message>
        <source>The shared history server is not used: %1.

Upgrades work and are recorded in this computer&apos;s history.</source>
        <translation>未使用共享历史服务器：%1。

升级仍可正常进行，并记录在本计算机的历史中。</translation>
    </message>
    <message>
        <source>Upgrade &amp;history</source>
        <translation>升级历史(&amp;H)</translation>
    </message>
    <message>
        <source>Ctrl+H or the context menu (Shift+F10) shows the history of upgrades.</source>
        <translation>按 Ctrl+H 或使用上下文菜单（Shift+F10）可显示升级历史。</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>进行中</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>已校验</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>不一致</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>未确认</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>写入失败</translation>
    </message>
    <message>
        <source>written but not verified</source>
        <translation>已写入但未校验</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>已中断</translation>
    </message>
    <message>
        <source>already current</source>
        <translation>已是最新</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>开始时间（UTC）</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>USB path</source>
        <translation>USB 路径</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Revision before</source>
        <translation>升级前版本</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>工作站</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Finished (UTC)</source>
        <translation>结束时间（UTC）</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>最后一次错误</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <source>Upgrade history</source>
        <translation>升级历史</translation>
    </message>
    <message>
        <source>&amp;Serial:</source>
        <translation>序列号(&amp;S)：</translation>
    </message>
    <message>
        <source>Show only serials containing...</source>
        <translation>仅显示包含此内容的序列号...</translation>
    </message>
    <message>
        <source>Serial filter</source>
        <translation>序列号筛选</translation>
    </message>
    <message>
        <source>Shows only the records whose device serial contains this text.</source>
        <translation>仅显示设备序列号包含此文本的记录。</translation>
    </message>
    <message>
        <source>Saves the records shown as a CSV or JSON file.</source>
        <translation>将显示的记录保存为 CSV 或 JSON 文件。</translation>
    </message>
    <message>
        <source>Upgrade records</source>
        <translation>升级记录</translation>
    </message>
    <message>
        <source>The history is unavailable: %1</source>
        <translation>历史不可用：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s), kept in %1.</source>
        <translation>
            <numerusform>%n 条记录，保存在 %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with a serial containing &quot;%1&quot;, kept in %2.</source>
        <translation>
            <numerusform>%n 条序列号包含“%1”的记录，保存在 %2。</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the upgrade history</source>
        <translation>导出升级历史</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>导出失败</translation>
    </message>
    <message>
        <source>The history could not be exported to %1:
%2</source>
        <translation>无法将历史导出到 %1：
%2</translation>
    </message>
    <message>
        <source>the connection string %1 cannot be used: %2</source>
        <translation>无法使用连接字符串（%1）：%2</translation>
    </message>
    <message>
        <source>given by --history-server</source>
        <translation>由 --history-server 指定</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>位于 %1</translation>
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
&lt;span style=&quot;color:#FFFFFF; font-weight:bold;&quot;&gt;固件升级&lt;/span&gt;
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
固件版本：
&lt;br&gt;
%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>5</source>
        <extracomment>Follow the steps below
to upgrade your product.</extracomment>
        <translation>请按照以下步骤
升级您的产品。</translation>
    </message>
    <message>
        <source>7a</source>
        <extracomment>1. Turn off the device</extracomment>
        <translation>1. 关闭设备</translation>
    </message>
    <message>
        <source>7b</source>
        <extracomment>2. Hold the rightmost button
 under the display while
 pushing the TEST button
 for 1 second</extracomment>
        <translation>2. 按住显示屏下方最右侧的
    按键，同时按下 TEST 键
    1 秒钟</translation>
    </message>
    <message>
        <source>9</source>
        <extracomment>3. Connect USB cable</extracomment>
        <translation>3. 连接 USB 数据线</translation>
    </message>
    <message>
        <source>8b2</source>
        <extracomment>4. Click here to start upgrade</extracomment>
        <translation>4. 点击此处开始升级</translation>
    </message>
    <message>
        <source>status_noDev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The USB cable must have a &apos;Micro B&apos; plug and a &apos;Type A&apos; plug.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
USB 数据线须带有“Micro B”插头和“Type A”插头。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devConn</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
已连接到 %1。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRev</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
已连接到 %1，固件版本为 %2&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_devRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
已连接到 %1，固件版本未知。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_noAccess</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but cannot be opened: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
发现了设备，但无法打开：请拔下后重新插入。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device was found but could not be read: unplug it and plug it in again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
发现了设备，但无法读取：请拔下后重新插入。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_severalDevs</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
More than one device is connected in boot mode: unplug all but the one to upgrade.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
有多台设备处于引导模式：请只保留要升级的设备，拔下其他设备。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_written</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The firmware was written. To check it, restart the device in its boot mode: steps 1 to 3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
固件已写入。如需校验，请将设备重新启动到引导模式：步骤 1 至 3。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeError</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing ended with an error. If the device has left, restart it in its boot mode (steps 1 to 3) to check its firmware.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
写入时出错。如果设备已断开，请将其重新启动到引导模式（步骤 1 至 3）以检查固件。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writeFailed</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing the firmware failed. Click &quot;%1&quot; to try again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
固件写入失败。请点击“%1”重试。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_damaged</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
This copy of the tool is damaged: its firmware is not the one it was built with. Nothing was written. Get the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
此工具副本已损坏：其固件与构建时的固件不一致。未写入任何内容。请重新获取此工具。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotUnpack</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot unpack its files into %1. Make room there or make it writable, then start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
此工具无法将其文件解压到 %1。请腾出空间或使其可写，然后重新启动此工具。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_ready</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with firmware version %2. Click &quot;%3&quot; to install version %4.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
已连接到 %1，固件版本为 %2。点击“%3”以安装版本 %4。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_readyRevUnknown</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1 with unknown firmware version. Click &quot;%2&quot; to install version %3.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
已连接到 %1，固件版本未知。点击“%2”以安装版本 %3。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_writing</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Writing firmware version %1 to the %2. Keep the cable connected until this line says Done.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
正在将固件版本 %1 写入 %2。在此处显示“完成”之前，请勿断开数据线。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_done</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Done: the %1 has firmware version %2, read back and checked. Disconnect the USB cable.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
完成：%1 的固件版本为 %2，已读回并校验。请断开 USB 数据线。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_otherProduct</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Connected to %1. This tool upgrades the %2 only: it cannot upgrade this product.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
已连接到 %1。此工具仅能升级 %2，无法升级此产品。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_serialUnreadable</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
A device&apos;s serial number cannot be read: replug it. If that persists, its boot loader is not answering normally.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
无法读取设备的序列号：请重新插拔。如果问题仍然存在，说明其引导加载程序未正常响应。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_busy</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
Another upgrade tool (a station or another window) is using the device. Wait until it is done there.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
另一个升级工具（工作站或另一个窗口）正在使用此设备。请等待其完成。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>status_cannotRun</source>
        <extracomment>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
The tool cannot run dfu-util in %1: it may not allow programs. Set TMPDIR to another folder and start the tool again.&lt;/span&gt;</extracomment>
        <translation>&lt;span style=&quot;color:#000000; font-size:9pt&quot;&gt;
此工具无法在 %1 中运行 dfu-util：该位置可能不允许运行程序。请将 TMPDIR 设置为其他文件夹，然后重新启动此工具。&lt;/span&gt;</translation>
    </message>
    <message>
        <source>sim_mode</source>
        <extracomment>Simulator mode</extracomment>
        <translation>模拟器模式</translation>
    </message>
</context>
<context>
    <name>LogWindowDialog</name>
    <message>
        <source>clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>save output</source>
        <translation>保存输出</translation>
    </message>
    <message>
        <source>hide log</source>
        <translation>隐藏日志</translation>
    </message>
    <message>
        <source>Log – Velmora Firmware Upgrade Tool</source>
        <translation>日志 – Velmora 固件升级工具</translation>
    </message>
    <message>
        <source>Log messages</source>
        <translation>日志消息</translation>
    </message>
    <message>
        <source>Save Log Output</source>
        <translation>保存日志输出</translation>
    </message>
    <message>
        <source>Text Files (&apos;&apos;&apos;.txt);;All Files (*)</source>
        <translation>文本文件 (&apos;&apos;&apos;.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>&lt;nobr&gt;File &apos;%1&apos;&lt;br/&gt;cannot be opened for writing.&lt;br/&gt;&lt;br/&gt;The log output could &lt;b&gt;not&lt;/b&gt; be saved!&lt;/nobr&gt;</source>
        <translation>&lt;nobr&gt;无法打开文件“%1”&lt;br/&gt;进行写入。&lt;br/&gt;&lt;br/&gt;日志输出&lt;b&gt;未能&lt;/b&gt;保存！&lt;/nobr&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmora Firmware Upgrade Tool</source>
        <translation>Velmora 固件升级工具</translation>
    </message>
    <message>
        <source>The tool is damaged and cannot start: its window layout cannot be read.</source>
        <translation>此工具已损坏，无法启动：无法读取其窗口布局。</translation>
    </message>
    <message>
        <source>device</source>
        <comment>a device of unknown model, as in &apos;the device has&apos;</comment>
        <translation>设备</translation>
    </message>
    <message>
        <source>Upgrading firmware</source>
        <translation>正在升级固件</translation>
    </message>
    <message>
        <source>Uploading &amp; verifying</source>
        <translation>正在读回并校验</translation>
    </message>
    <message>
        <source>Done. Disconnect USB cable.</source>
        <translation>完成。请断开 USB 数据线。</translation>
    </message>
    <message>
        <source>FW differs</source>
        <translation>固件不一致</translation>
    </message>
    <message>
        <source>The firmware could not be read back from the device to check it, so it is not confirmed.</source>
        <translation>无法从设备读回固件进行校验，因此未能确认固件。</translation>
    </message>
    <message>
        <source>The firmware read back from the device differs from the firmware written to it.</source>
        <translation>从设备读回的固件与写入的固件不一致。</translation>
    </message>
    <message>
        <source>Click &quot;%1&quot; to write it again.</source>
        <translation>请点击“%1”重新写入。</translation>
    </message>
    <message>
        <source>Firmware not confirmed</source>
        <translation>固件未确认</translation>
    </message>
    <message>
        <source>Upgrade in progress</source>
        <translation>正在升级</translation>
    </message>
    <message>
        <source>The firmware is being written to the device.

Stopping now interrupts the upgrade: the device has no working firmware until it is upgraded again in boot mode.</source>
        <translation>正在向设备写入固件。

现在停止将中断升级：在引导模式下重新升级之前，设备将没有可用的固件。</translation>
    </message>
    <message>
        <source>Keep upgrading</source>
        <translation>继续升级</translation>
    </message>
    <message>
        <source>Stop anyway</source>
        <translation>仍然停止</translation>
    </message>
    <message>
        <source>Writes the firmware to the connected device, then reads it back and checks it.</source>
        <translation>将固件写入已连接的设备，然后读回并进行校验。</translation>
    </message>
    <message>
        <source>Not available now: see the status line below.</source>
        <translation>当前不可用：请查看下方的状态行。</translation>
    </message>
    <message>
        <source>Firmware version this tool installs: %1</source>
        <translation>此工具安装的固件版本：%1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Use simulated device interaction.</source>
        <translation>使用模拟的设备交互。</translation>
    </message>
    <message>
        <source>Disable use of simulated device interaction.</source>
        <translation>禁用模拟的设备交互。</translation>
    </message>
    <message>
        <source>Enable use of log window (open it with Ctrl-l)</source>
        <translation>启用日志窗口（按 Ctrl-l 打开）</translation>
    </message>
    <message>
        <source>Print the upgrade history as csv or json and exit.</source>
        <translation>以 csv 或 json 格式输出升级历史，然后退出。</translation>
    </message>
    <message>
        <source>Share the history on the PostgreSQL server named by this libpq connection string (no password: use ~/.pgpass or a service file).</source>
        <translation>在此 libpq 连接字符串指定的 PostgreSQL 服务器上共享历史（不含密码：请使用 ~/.pgpass 或服务文件）。</translation>
    </message>
    <message>
        <source>Upgrade several devices at once, in the station window.</source>
        <translation>在工作站窗口中同时升级多台设备。</translation>
    </message>
    <message>
        <source>With --station: upgrade every ready device without a click.</source>
        <translation>与 --station 一起使用：无需点击即可升级所有就绪的设备。</translation>
    </message>
    <message>
        <source>Show the window in this language (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English) instead of the system&apos;s.</source>
        <translation>以此语言（de、es、fr、it、ja、pl、pt_BR、zh_CN；英语为 en）而非系统语言显示窗口。</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>%1 % done</source>
        <translation>已完成 %1%</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>identifying</source>
        <translation>正在识别</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>正在写入</translation>
    </message>
    <message>
        <source>away after the write</source>
        <translation>写入后已断开</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <source>done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>不一致</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>未确认</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>写入失败</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>已拒绝</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>忙碌</translation>
    </message>
    <message>
        <source>another upgrade tool is using it</source>
        <translation>另一个升级工具正在使用此设备</translation>
    </message>
    <message>
        <source>its serial number cannot be read</source>
        <translation>无法读取其序列号</translation>
    </message>
    <message>
        <source>not a boot loader of ours (%1 memories instead of 4)</source>
        <translation>不是本产品的引导加载程序（有 %1 个存储器，而不是 4 个）</translation>
    </message>
    <message>
        <source>serial shared with another attached device</source>
        <translation>序列号与另一台已连接的设备相同</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>无法打开（%1）</translation>
    </message>
    <message>
        <source>the write ended with an error (%1)</source>
        <translation>写入时出错（%1）</translation>
    </message>
    <message>
        <source>the read-back failed (exit code %1)</source>
        <translation>读回失败（退出代码 %1）</translation>
    </message>
    <message>
        <source>it could not be read after the write</source>
        <translation>写入后无法读取</translation>
    </message>
    <message>
        <source>it could not be read: unplug it and plug it in again</source>
        <translation>无法读取：请拔下后重新插入</translation>
    </message>
    <message>
        <source>empty OTP: the device does not say what it is</source>
        <translation>OTP 为空：设备未提供其类型信息</translation>
    </message>
    <message>
        <source>another product (%1)</source>
        <translation>其他产品（%1）</translation>
    </message>
    <message>
        <source>it still runs its old firmware</source>
        <translation>仍在运行旧固件</translation>
    </message>
</context>
<context>
    <name>StationModel</name>
    <message>
        <source>USB path</source>
        <translation>USB 路径</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>已用时间</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Devices are being written</source>
        <translation>正在写入设备</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) are being written. A write cut short leaves a device without working firmware, so the writes are finished first.

End the tool once they are finished?</source>
        <translation>
            <numerusform>正在写入 %n 台设备。中途中断写入会使设备没有可用的固件，因此将先完成写入。

是否在写入完成后退出此工具？</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;End after the writes</source>
        <translation>写入完成后退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Keep working</source>
        <translation>继续工作(&amp;K)</translation>
    </message>
    <message>
        <source>This copy of the tool is damaged: no device is written. Install it again.</source>
        <translation>此工具副本已损坏：不会写入任何设备。请重新安装。</translation>
    </message>
    <message>
        <source>The tool cannot unpack or run its dfu-util in %1: no device is written.</source>
        <translation>此工具无法在 %1 中解压或运行其 dfu-util：不会写入任何设备。</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade</source>
        <translation>Velmora 固件升级</translation>
    </message>
    <message>
        <source>Velmora Firmware Upgrade: Station</source>
        <translation>Velmora 固件升级：工作站</translation>
    </message>
    <message>
        <source>Attached devices</source>
        <translation>已连接的设备</translation>
    </message>
    <message>
        <source>One row per device in boot mode. Enter upgrades the selected device when it is ready.</source>
        <translation>每台处于引导模式的设备占一行。所选设备就绪后，按 Enter 键即可升级。</translation>
    </message>
    <message>
        <source>Upgrade &amp;all ready devices</source>
        <translation>升级所有就绪的设备(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Upgrade the selected device</source>
        <translation>升级所选设备(&amp;U)</translation>
    </message>
    <message>
        <source>Done: %1   Failed: %2   Waiting: %3   Devices per hour: %4</source>
        <translation>完成：%1   失败：%2   等待：%3   每小时设备数：%4</translation>
    </message>
    <message>
        <source>Ending once the running writes are finished.</source>
        <translation>当前写入完成后即退出。</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The state of the connected device and what to do next</source>
        <translation>已连接设备的状态及下一步操作</translation>
    </message>
    <message>
        <source>The state of the connected device and what to do next. The install button is not available now.</source>
        <translation>已连接设备的状态及下一步操作。安装按钮当前不可用。</translation>
    </message>
</context>
</TS>
