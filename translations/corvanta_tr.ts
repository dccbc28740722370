<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
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
&#x3000;【Problem】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Bir pachinko topu çivilere çarpar ve her çivide sola ya da sağa sapar.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Pachinko topu nereye düşer?
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Top bir çiviye çarptığında sola ve sağa gitme olasılıklarının eşit
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;olduğunu varsayalım.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Topların daha sık düştüğü bir yer var mı? Yoksa her yer
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;aynı mı?


&#x3000;【Kullanım】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■Teorik olasılığı deneysel olasılıkla karşılaştırın.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;“Hızlı” düğmesine tıkladığınızda pachinko topu hızla düşer.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;“Yavaş” düğmesine tıkladığınızda pachinko topu yavaşça düşer.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;“Durdur” düğmesine tıkladığınızda pachinko topu durur.</translation>
    </message>
    <message>
        <source> Corvanta＿Help（Questions and Operation Method）&#x3000;</source>
        <translation> Corvanta – Yardım (Problem ve kullanım) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>corvanta::MainWindow</name>
    <message>
        <source>Number of Experiments: %1</source>
        <translation>Deney sayısı: %1</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Program kapanacak.</translation>
    </message>
    <message>
        <source>bin %1 %2</source>
        <translation>bölme %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A strip as a screen reader reads it: its heading, then its values.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>bin %1: %2</source>
        <translation>bölme %1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the bins as a screen reader reads them.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Theoretical mathematical probability</source>
        <translation>Teorik olasılık</translation>
    </message>
    <message>
        <source>Ratio from experimental results</source>
        <translation>Deneysel olasılık</translation>
    </message>
    <message>
        <source>Number of Experiments</source>
        <translation>Deney sayısı</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Çivili tahta</translation>
    </message>
    <message>
        <source>HightSpeed</source>
        <translation>Hızlı</translation>
    </message>
    <message>
        <source>LowSpeed</source>
        <translation>Yavaş</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
</context>
</TS>
