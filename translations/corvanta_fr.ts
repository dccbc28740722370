<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
&#x3000;【Problème】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Une bille de pachinko heurte des clous et tombe en partant à gauche ou
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;à droite. Où la bille de pachinko va-t-elle tomber&#xa0;?
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Précisons que, quand la bille heurte un clou, elle a autant de chances
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;de partir à gauche qu&apos;à droite.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Y a-t-il un endroit où les billes tombent plus souvent&#xa0;? Ou bien
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;est-ce pareil partout&#xa0;?


&#x3000;【Mode d&apos;emploi】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;■Comparez la probabilité théorique avec la fréquence observée.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Un clic sur «&#xa0;Rapide&#xa0;» fait tomber la bille de pachinko rapidement.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Un clic sur «&#xa0;Lent&#xa0;» fait tomber la bille de pachinko lentement.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Un clic sur «&#xa0;Arrêter&#xa0;» interrompt la chute de la bille de pachinko.</translation>
    </message>
    <message>
        <source> Corvanta＿Help（Questions and Operation Method）&#x3000;</source>
        <translation> Corvanta – Aide (Problème et mode d&apos;emploi) </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>corvanta::MainWindow</name>
    <message>
        <source>Number of Experiments: %1</source>
        <translation>Nombre d&apos;essais&#xa0;: %1</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>Le logiciel va se fermer.</translation>
    </message>
    <message>
        <source>bin %1 %2</source>
        <translation>case %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>bin %1: %2</source>
        <translation>case %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Theoretical mathematical probability</source>
        <translation>Probabilité théorique</translation>
    </message>
    <message>
        <source>Ratio from experimental results</source>
        <translation>Fréquence observée</translation>
    </message>
    <message>
        <source>Number of Experiments</source>
        <translation>Nombre d&apos;essais</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Planche à clous</translation>
    </message>
    <message>
        <source>HightSpeed</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>LowSpeed</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A strip as a screen reader reads it: its heading, then its values.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the bins as a screen reader reads them.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
</context>
</TS>
