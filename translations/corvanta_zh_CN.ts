<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
&#x3000;【问题】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;一个小球从上方落下，每碰到一颗钉子，就向左或向右滚下，
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;最后落入下方的某个球槽。小球会落在哪里呢？
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;假设小球碰到钉子时，向左滚下与向右滚下的可能性相等。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;有没有小球更常落入的球槽？还是每个球槽都一样呢？


&#x3000;【操作方法】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■比较理论概率与试验得到的频率。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;单击“快速”按钮，小球快速落下。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;单击“慢速”按钮，小球慢速落下。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;单击“停止”按钮，小球停止落下。</translation>
    </message>
    <message>
        <source> Corvanta＿Help（Questions and Operation Method）&#x3000;</source>
        <translation> Corvanta 帮助（问题与操作方法）&#x3000;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>corvanta::MainWindow</name>
    <message>
        <source>Number of Experiments: %1</source>
        <translation>试验次数：%1</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>本软件即将退出。</translation>
    </message>
    <message>
        <source>bin %1 %2</source>
        <translation>第%1个球槽：%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A strip as a screen reader reads it: its heading, then its values.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>bin %1: %2</source>
        <translation>第%1个球槽：%2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the bins as a screen reader reads them.</extracomment>
        <translation>；</translation>
    </message>
    <message>
        <source>Theoretical mathematical probability</source>
        <translation>理论概率</translation>
    </message>
    <message>
        <source>Ratio from experimental results</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Number of Experiments</source>
        <translation>试验次数</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>钉板</translation>
    </message>
    <message>
        <source>HightSpeed</source>
        <translation>快速</translation>
    </message>
    <message>
        <source>LowSpeed</source>
        <translation>慢速</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
</TS>
