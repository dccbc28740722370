<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
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
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Uma bola de pachinko bate em pregos e cai, desviando-se para a esquerda
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;ou para a direita. Onde vai cair a bola de pachinko?
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Considere que, quando a bola bate num prego, tem a mesma probabilidade
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;de ir para a esquerda ou para a direita.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Há algum sítio onde as bolas caiam mais vezes? Ou é igual
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;em todo o lado?


&#x3000;【Modo de utilização】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■Compare a probabilidade teórica com a frequência relativa.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ao clicar em «Rápido», a bola de pachinko cai depressa.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ao clicar em «Lento», a bola de pachinko cai devagar.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Ao clicar em «Parar», a bola de pachinko deixa de cair.</translation>
    </message>
    <message>
        <source> Corvanta＿Help（Questions and Operation Method）&#x3000;</source>
        <translation> Corvanta – Ajuda (Problema e modo de utilização) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>corvanta::MainWindow</name>
    <message>
        <source>Number of Experiments: %1</source>
        <translation>Número de ensaios: %1</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>O programa vai terminar.</translation>
    </message>
    <message>
        <source>bin %1 %2</source>
        <translation>caixa %1: %2</translation>
    </message>
    <message>
        <source>bin %1: %2</source>
        <translation>caixa %1: %2</translation>
    </message>
    <message>
        <source>Theoretical mathematical probability</source>
        <translation>Probabilidade teórica</translation>
    </message>
    <message>
        <source>Ratio from experimental results</source>
        <translation>Frequência relativa</translation>
    </message>
    <message>
        <source>Number of Experiments</source>
        <translation>Número de ensaios</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro de pregos</translation>
    </message>
    <message>
        <source>HightSpeed</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>LowSpeed</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
