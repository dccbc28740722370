<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
&#x3000;【Aufgabe】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Eine Pachinko-Kugel trifft auf Nägel und fällt dabei nach links oder rechts.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Wo landet die Pachinko-Kugel?
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Dabei gilt: Trifft die Kugel auf einen Nagel, fällt sie mit gleicher
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Wahrscheinlichkeit nach links oder nach rechts.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Gibt es eine Stelle, an der die Kugeln bevorzugt landen? Oder ist es
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;überall gleich?


&#x3000;【Bedienung】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■Vergleichen Sie die theoretische Wahrscheinlichkeit mit der relativen Häufigkeit.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ein Klick auf »Schnell« lässt die Pachinko-Kugel schnell fallen.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ein Klick auf »Langsam« lässt die Pachinko-Kugel langsam fallen.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ein Klick auf »Stopp« hält die Pachinko-Kugel an.</translation>
    </message>
    <message>
        <source> Corvanta＿Help（Questions and Operation Method）&#x3000;</source>
        <translation> Corvanta – Hilfe (Aufgabe und Bedienung) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>corvanta::MainWindow</name>
    <message>
        <source>Number of Experiments: %1</source>
        <translation>Anzahl der Versuche: %1</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>bin %1 %2</source>
        <translation>Fach %1: %2</translation>
    </message>
    <message>
        <source>bin %1: %2</source>
        <translation>Fach %1: %2</translation>
    </message>
    <message>
        <source>Theoretical mathematical probability</source>
        <translation>Theoretische Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Ratio from experimental results</source>
        <translation>Relative Häufigkeit</translation>
    </message>
    <message>
        <source>Number of Experiments</source>
        <translation>Anzahl der Versuche</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Nagelbrett</translation>
    </message>
    <message>
        <source>HightSpeed</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>LowSpeed</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A strip as a screen reader reads it: its heading, then its values.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the bins as a screen reader reads them.</extracomment>
        <translation>; </translation>
    </message>
</context>
</TS>
