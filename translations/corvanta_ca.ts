<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
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
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Una bola de pachinko xoca amb claus i cau desviant-se cap a l&apos;esquerra
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;o cap a la dreta. On caurà la bola de pachinko?
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Suposem que, quan la bola xoca amb un clau, té la mateixa probabilitat
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;de desviar-se cap a l&apos;esquerra que cap a la dreta.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Hi ha algun lloc on les boles caiguin més sovint? O és igual
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;a tot arreu?


&#x3000;【Mode d&apos;ús】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■Compara la probabilitat teòrica amb la freqüència relativa.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Si fas clic a «Ràpid», la bola de pachinko cau a gran velocitat.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Si fas clic a «Lent», la bola de pachinko cau a poca velocitat.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Si fas clic a «Atura», la bola de pachinko deixa de caure.</translation>
    </message>
    <message>
        <source> Corvanta＿Help（Questions and Operation Method）&#x3000;</source>
        <translation> Corvanta – Ajuda (Problema i mode d&apos;ús) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
</context>
<context>
    <name>corvanta::MainWindow</name>
    <message>
        <source>Number of Experiments: %1</source>
        <translation>Nombre d&apos;experiments: %1</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>El programa es tancarà.</translation>
    </message>
    <message>
        <source>bin %1 %2</source>
        <translation>casella %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A strip as a screen reader reads it: its heading, then its values.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>bin %1: %2</source>
        <translation>casella %1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the bins as a screen reader reads them.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Theoretical mathematical probability</source>
        <translation>Probabilitat teòrica</translation>
    </message>
    <message>
        <source>Ratio from experimental results</source>
        <translation>Freqüència relativa</translation>
    </message>
    <message>
        <source>Number of Experiments</source>
        <translation>Nombre d&apos;experiments</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Reinicia</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tauler de claus</translation>
    </message>
    <message>
        <source>HightSpeed</source>
        <translation>Ràpid</translation>
    </message>
    <message>
        <source>LowSpeed</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Atura</translation>
    </message>
</context>
</TS>
