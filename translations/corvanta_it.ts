<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
&#x3000;【Problema】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Una pallina da pachinko urta dei chiodi e cade deviando a sinistra o a
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;destra. Dove cadrà la pallina da pachinko?
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Si suppone che, quando la pallina urta un chiodo, sia ugualmente
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;probabile che vada a sinistra o a destra.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;C&apos;è un punto in cui le palline cadono più spesso? Oppure è uguale
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;dappertutto?


&#x3000;【Istruzioni】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■Confronta la probabilità teorica con la frequenza relativa.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Facendo clic su «Veloce», la pallina da pachinko cade velocemente.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Facendo clic su «Lento», la pallina da pachinko cade lentamente.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Facendo clic su «Ferma», la pallina da pachinko smette di cadere.</translation>
    </message>
    <message>
        <source> Corvanta＿Help（Questions and Operation Method）&#x3000;</source>
        <translation> Corvanta – Aiuto (Problema e istruzioni) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>corvanta::MainWindow</name>
    <message>
        <source>Number of Experiments: %1</source>
        <translation>Numero di prove: %1</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Il programma verrà chiuso.</translation>
    </message>
    <message>
        <source>bin %1 %2</source>
        <translation>scomparto %1: %2</translation>
    </message>
    <message>
        <source>bin %1: %2</source>
        <translation>scomparto %1: %2</translation>
    </message>
    <message>
        <source>Theoretical mathematical probability</source>
        <translation>Probabilità teorica</translation>
    </message>
    <message>
        <source>Ratio from experimental results</source>
        <translation>Frequenza relativa</translation>
    </message>
    <message>
        <source>Number of Experiments</source>
        <translation>Numero di prove</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tavola dei chiodi</translation>
    </message>
    <message>
        <source>HightSpeed</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>LowSpeed</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
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
