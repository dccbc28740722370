<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
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
&#x3000;【Oppgave】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;En pachinkokule treffer spikrer og faller, og ved hver spiker går den
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;til venstre eller til høyre. Hvor havner pachinkokula?
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Vi antar at når kula treffer en spiker, er det like sannsynlig at den
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;går til venstre som til høyre.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Finnes det et sted der kulene havner oftere? Eller er det likt
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;overalt?


&#x3000;【Bruk】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■Sammenlign den teoretiske sannsynligheten med den relative frekvensen.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Et klikk på «Raskt» får pachinkokula til å falle raskt.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Et klikk på «Sakte» får pachinkokula til å falle sakte.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Et klikk på «Stopp» stopper pachinkokula.</translation>
    </message>
    <message>
        <source> Corvanta＿Help（Questions and Operation Method）&#x3000;</source>
        <translation> Corvanta – Hjelp (Oppgave og bruk) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
</context>
<context>
    <name>corvanta::MainWindow</name>
    <message>
        <source>Number of Experiments: %1</source>
        <translation>Antall forsøk: %1</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Programmet avsluttes.</translation>
    </message>
    <message>
        <source>bin %1 %2</source>
        <translation>bås %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A strip as a screen reader reads it: its heading, then its values.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>bin %1: %2</source>
        <translation>bås %1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the bins as a screen reader reads them.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Theoretical mathematical probability</source>
        <translation>Teoretisk sannsynlighet</translation>
    </message>
    <message>
        <source>Ratio from experimental results</source>
        <translation>Relativ frekvens</translation>
    </message>
    <message>
        <source>Number of Experiments</source>
        <translation>Antall forsøk</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Nullstill</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spikerbrett</translation>
    </message>
    <message>
        <source>HightSpeed</source>
        <translation>Raskt</translation>
    </message>
    <message>
        <source>LowSpeed</source>
        <translation>Sakte</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
</TS>
