<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Una bola de pachinko choca con clavos y cae desviándose a la izquierda
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;o a la derecha. ¿Dónde caerá la bola de pachinko?
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Supón que, cuando la bola choca con un clavo, tiene la misma probabilidad
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;de desviarse a la izquierda que a la derecha.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;¿Hay algún lugar donde las bolas caigan más a menudo? ¿O es igual
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;en todas partes?


&#x3000;【Modo de uso】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■Compara la probabilidad teórica con la frecuencia relativa.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Si pulsas «Rápido», la bola de pachinko cae a gran velocidad.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Si pulsas «Lento», la bola de pachinko cae a poca velocidad.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Si pulsas «Parar», la bola de pachinko deja de caer.</translation>
    </message>
    <message>
        <source> Corvanta＿Help（Questions and Operation Method）&#x3000;</source>
        <translation> Corvanta – Ayuda (Problema y modo de uso) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>corvanta::MainWindow</name>
    <message>
        <source>Number of Experiments: %1</source>
        <translation>Número de experimentos: %1</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>El programa se cerrará.</translation>
    </message>
    <message>
        <source>bin %1 %2</source>
        <translation>casilla %1: %2</translation>
    </message>
    <message>
        <source>bin %1: %2</source>
        <translation>casilla %1: %2</translation>
    </message>
    <message>
        <source>Theoretical mathematical probability</source>
        <translation>Probabilidad teórica</translation>
    </message>
    <message>
        <source>Ratio from experimental results</source>
        <translation>Frecuencia relativa</translation>
    </message>
    <message>
        <source>Number of Experiments</source>
        <translation>Número de experimentos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero de clavos</translation>
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
