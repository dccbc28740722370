<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>corvanta::HelpWindow</name>
    <message>
        <source>
&#x3000;【Problem】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;When one pachinko ball hits nails and falls while splitting into left and right , 
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;where does the pachinko ball fall ?
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;However , when the pachinko ball hits the nails and divides into left and right , 
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;the division is the same for the left and right.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Is there a place where pachinko balls can easily fall ? Or is it the same 
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;everywhere ?


&#x3000;【Operation Method】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■Coppare the theoretical numbers with the numbers from the experimental results.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;When you click the［HighSpeed］button , the pachinko ball will fall at high speed.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;When you click the［LowSpeed］button , the pachinko ball will fall at low speed.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;When you click the［Stop］button , the pachinko ball will stop falling.</source>
        <translation>
&#x3000;【問題】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;１個のパチンコ玉がくぎに当たって左右に分かれながら落ちるとき、
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;パチンコ玉はどこに落ちるでしょうか。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;ただし、パチンコ玉がくぎに当たったとき、左へ進む確率と右へ進む確率は
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;等しいものとします。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;パチンコ玉が落ちやすい場所はあるでしょうか。それとも、どこも
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;同じでしょうか。


&#x3000;【操作方法】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■数学的確率と実験結果の相対度数を比べてみましょう。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;［高速］ボタンをクリックすると、パチンコ玉が高速で落ちます。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;［低速］ボタンをクリックすると、パチンコ玉が低速で落ちます。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;［停止］ボタンをクリックすると、パチンコ玉が止まります。</translation>
    </message>
    <message>
        <source> Corvanta＿Help（Questions and Operation Method）&#x3000;</source>
        <translation> Corvantaのヘルプ（問題と操作方法）&#x3000;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>corvanta::MainWindow</name>
    <message>
        <source>Number of Experiments: %1</source>
        <translation>実験回数：%1</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>このソフトウェアを終了します。</translation>
    </message>
    <message>
        <source>bin %1 %2</source>
        <translation>%1番の箱 %2</translation>
    </message>
    <message>
        <source>bin %1: %2</source>
        <translation>%1番の箱：%2</translation>
    </message>
    <message>
        <source>Theoretical mathematical probability</source>
        <translation>数学的確率</translation>
    </message>
    <message>
        <source>Ratio from experimental results</source>
        <translation>実験結果の相対度数</translation>
    </message>
    <message>
        <source>Number of Experiments</source>
        <translation>実験回数</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>初期化</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>HightSpeed</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>LowSpeed</source>
        <translation>低速</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A strip as a screen reader reads it: its heading, then its values.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the bins as a screen reader reads them.</extracomment>
        <translation>、</translation>
    </message>
</context>
</TS>
