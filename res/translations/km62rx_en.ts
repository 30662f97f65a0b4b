<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>km62rx::app::AboutDialog</name>
    <message>
        <source>バージョン %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>km62rx::app::ClockDialog</name>
    <message>
        <source>本体時刻設定</source>
        <translation>Logger clock</translation>
    </message>
    <message>
        <source>※本体起動時に反映したい時刻を設定してください※</source>
        <translation>Enter the time for the logger's clock at start-up.</translation>
    </message>
    <message>
        <source>年    月    日      時    分    秒</source>
        <translation>Year Month  Day    Hour   Min    Sec</translation>
    </message>
    <message>
        <source>PC時刻コピー</source>
        <translation>Use PC time</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>km62rx::app::ConnectDialog</name>
    <message>
        <source>シリアル接続</source>
        <translation>Serial connection</translation>
    </message>
    <message>
        <source>※ 本体DIPスイッチと通信条件を合わせてください ※</source>
        <translation>Match these settings to the logger's DIP switches.</translation>
    </message>
    <message>
        <source>ポート</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>データ長</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>パリティ/ストップ</source>
        <translation>Parity/stop bits</translation>
    </message>
    <message>
        <source>通信速度</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>フロー制御</source>
        <translation>Flow control</translation>
    </message>
    <message>
        <source>接続</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>km62rx::app::MainWindow</name>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
</context>
</TS>
