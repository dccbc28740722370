<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
&#x3000;【Задача】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Шарик пачинко ударяется о гвозди и падает, отклоняясь то влево,
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;то вправо. Куда упадёт шарик пачинко?
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Будем считать, что, ударившись о гвоздь, шарик с равной вероятностью
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;отклоняется влево или вправо.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Есть ли место, куда шарики попадают чаще? Или везде
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;одинаково?


&#x3000;【Управление】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■Сравните теоретическую вероятность с относительной частотой.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Нажмите «Быстро», и шарик пачинко будет падать быстро.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Нажмите «Медленно», и шарик пачинко будет падать медленно.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Нажмите «Стоп», и шарик пачинко остановится.</translation>
    </message>
    <message>
        <source> Corvanta＿Help（Questions and Operation Method）&#x3000;</source>
        <translation> Corvanta – Справка (Задача и управление) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>corvanta::MainWindow</name>
    <message>
        <source>Number of Experiments: %1</source>
        <translation>Число испытаний: %1</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Программа будет закрыта.</translation>
    </message>
    <message>
        <source>bin %1 %2</source>
        <translation>ячейка %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A strip as a screen reader reads it: its heading, then its values.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>bin %1: %2</source>
        <translation>ячейка %1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the bins as a screen reader reads them.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Theoretical mathematical probability</source>
        <translation>Теоретическая вероятность</translation>
    </message>
    <message>
        <source>Ratio from experimental results</source>
        <translation>Относительная частота</translation>
    </message>
    <message>
        <source>Number of Experiments</source>
        <translation>Число испытаний</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Заново</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Доска с гвоздями</translation>
    </message>
    <message>
        <source>HightSpeed</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>LowSpeed</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
</TS>
