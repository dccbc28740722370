<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
&#x3000;【Zadanie】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Kulka do pachinko uderza w gwoździe i spada, odbijając się w lewo
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;lub w prawo. Gdzie spadnie kulka do pachinko?
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Przyjmijmy, że gdy kulka uderza w gwóźdź, odbicie w lewo i odbicie
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;w prawo są jednakowo prawdopodobne.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Czy jest miejsce, do którego kulki wpadają częściej? Czy może wszędzie
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;jest tak samo?


&#x3000;【Obsługa】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■Porównaj prawdopodobieństwo teoretyczne z częstością względną.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Po kliknięciu »Szybko« kulka do pachinko spada szybko.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Po kliknięciu »Wolno« kulka do pachinko spada wolno.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Po kliknięciu »Zatrzymaj« kulka do pachinko się zatrzymuje.</translation>
    </message>
    <message>
        <source> Corvanta＿Help（Questions and Operation Method）&#x3000;</source>
        <translation> Corvanta – Pomoc (Zadanie i obsługa) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Wróć</translation>
    </message>
</context>
<context>
    <name>corvanta::MainWindow</name>
    <message>
        <source>Number of Experiments: %1</source>
        <translation>Liczba prób: %1</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Program zostanie zamknięty.</translation>
    </message>
    <message>
        <source>bin %1 %2</source>
        <translation>przegródka %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A strip as a screen reader reads it: its heading, then its values.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>bin %1: %2</source>
        <translation>przegródka %1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the bins as a screen reader reads them.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Theoretical mathematical probability</source>
        <translation>Prawdopodobieństwo teoretyczne</translation>
    </message>
    <message>
        <source>Ratio from experimental results</source>
        <translation>Częstość względna</translation>
    </message>
    <message>
        <source>Number of Experiments</source>
        <translation>Liczba prób</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Zeruj</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Deska z gwoździami</translation>
    </message>
    <message>
        <source>HightSpeed</source>
        <translation>Szybko</translation>
    </message>
    <message>
        <source>LowSpeed</source>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
</context>
</TS>
