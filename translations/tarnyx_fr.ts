<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Wording</name>
    <message>
        <source>Infinitely many solutions: X = %1; Y can be any number.</source>
        <translation>Infinité de solutions&#xa0;: X = %1&#xa0;; Y peut valoir n&apos;importe quel nombre.</translation>
    </message>
    <message>
        <source>Infinitely many solutions: X = %1, for any Y.</source>
        <translation>Infinité de solutions&#xa0;: X = %1 pour tout Y.</translation>
    </message>
    <message>
        <source>Infinitely many solutions: Y = %1; X can be any number.</source>
        <translation>Infinité de solutions&#xa0;: Y = %1&#xa0;; X peut valoir n&apos;importe quel nombre.</translation>
    </message>
    <message>
        <source>Infinitely many solutions: any X and Y satisfy both equations.</source>
        <translation>Infinité de solutions&#xa0;: tout X et tout Y vérifient les deux équations.</translation>
    </message>
    <message>
        <source>Its numbers are rounded to %1 significant digits.</source>
        <translation>Ses nombres sont arrondis à %1 chiffres significatifs.</translation>
    </message>
    <message>
        <source>Rounded to %1 significant digits; the exact answer is %2.</source>
        <translation>Arrondi à %1 chiffres significatifs&#xa0;; la réponse exacte est %2.</translation>
    </message>
    <message>
        <source>Rounded to %1 significant digits; the exact answer has more digits.</source>
        <translation>Arrondi à %1 chiffres significatifs&#xa0;; la réponse exacte a plus de chiffres.</translation>
    </message>
    <message>
        <source>This is the exact answer.</source>
        <translation>C&apos;est la réponse exacte.</translation>
    </message>
    <message>
        <source>From earlier equations.</source>
        <translation>D&apos;équations précédentes.</translation>
    </message>
    <message>
        <source>Typed here, not computed: Calculate (%1) computes %2.</source>
        <comment>the Calculate button&apos;s access key (Alt+A), then the unknown, X or Y</comment>
        <translation>Saisi ici, non calculé&#xa0;: Calculer (%1) calcule %2.</translation>
    </message>
    <message>
        <source>In the box: %1</source>
        <translation>Dans la case&#xa0;: %1</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>Saisi&#xa0;: %1</translation>
    </message>
    <message>
        <source>Read as %1: %2 is not a number.</source>
        <translation>Lu comme %1&#xa0;: %2 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Read as %1.</source>
        <translation>Lu comme %1.</translation>
    </message>
    <message>
        <source>%1 is not part of the number.</source>
        <translation>%1 ne fait pas partie du nombre.</translation>
    </message>
    <message>
        <source>The blanks inside the number are skipped.</source>
        <translation>Les espaces dans le nombre sont ignorés.</translation>
    </message>
    <message>
        <source>%1 was read as %2, not as typed.</source>
        <comment>a coefficient (a1) and its value</comment>
        <translation>%1 a été lu comme %2, et non tel que saisi.</translation>
    </message>
    <message>
        <source>%1 read as %2</source>
        <comment>a coefficient (a1) and its value</comment>
        <translation>%1 lu comme %2</translation>
    </message>
    <message>
        <source>No solution: the two equations contradict each other.</source>
        <translation>Aucune solution&#xa0;: les deux équations se contredisent.</translation>
    </message>
    <message>
        <source>No unique solution: infinitely many pairs of X and Y satisfy both equations.</source>
        <translation>Pas de solution unique&#xa0;: une infinité de couples X, Y vérifient les deux équations.</translation>
    </message>
    <message>
        <source>The calculation failed.</source>
        <translation>Le calcul a échoué.</translation>
    </message>
    <message>
        <source>There is not enough memory to calculate.</source>
        <translation>La mémoire est insuffisante pour calculer.</translation>
    </message>
    <message>
        <source>Neither result could be computed; both boxes keep their earlier values.</source>
        <translation>Aucun résultat n&apos;a pu être calculé&#xa0;; les deux cases gardent leurs valeurs précédentes.</translation>
    </message>
    <message>
        <source>Neither result could be computed; the %1 box keeps its earlier value.</source>
        <comment>the unknown, X or Y</comment>
        <translation>Aucun résultat n&apos;a pu être calculé&#xa0;; la case %1 garde sa valeur précédente.</translation>
    </message>
    <message>
        <source>Neither result could be computed.</source>
        <translation>Aucun résultat n&apos;a pu être calculé.</translation>
    </message>
    <message>
        <source>%1 was computed.</source>
        <comment>a result written before the failure, as &quot;Y = 1&quot;</comment>
        <translation>%1 a été calculé.</translation>
    </message>
    <message>
        <source>%1 could not be computed; its box keeps its earlier value.</source>
        <comment>the unknown, X or Y</comment>
        <translation>%1 n&apos;a pas pu être calculé&#xa0;; sa case garde sa valeur précédente.</translation>
    </message>
    <message>
        <source>%1 could not be computed.</source>
        <comment>the unknown, X or Y</comment>
        <translation>%1 n&apos;a pas pu être calculé.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>a number whose exponent is beyond ±%1</source>
        <translation>un nombre dont l’exposant dépasse ±%1</translation>
    </message>
    <message>
        <source>%1 has more than %2 significant digits, or a last significant digit whose exponent is beyond ±%3</source>
        <comment>a coefficient (a1), then the bounds</comment>
        <translation>%1 a plus de %2 chiffres significatifs, ou un dernier chiffre significatif dont l’exposant dépasse ±%3</translation>
    </message>
    <message>
        <source>The box draws the exact answer, %1, and holds it to %2 significant digits.</source>
        <translation>La case affiche la réponse exacte, %1, et la contient à %2 chiffres significatifs.</translation>
    </message>
    <message>
        <source>No solution: equation %1 reads 0 = %2.</source>
        <comment>the equation (1 or 2), then c</comment>
        <translation>Aucune solution : l’équation %1 s’écrit 0 = %2.</translation>
    </message>
    <message>
        <source>%1 is shown; the %2 box keeps its earlier text.</source>
        <comment>a result (X = 2), then the other unknown</comment>
        <translation>%1 est affiché ; la case %2 garde son texte précédent.</translation>
    </message>
    <message>
        <source>%1 is shown.</source>
        <comment>a result (X = 2)</comment>
        <translation>%1 est affiché.</translation>
    </message>
    <message>
        <source>coefficient of X in equation %1</source>
        <translation>coefficient de X dans l’équation %1</translation>
    </message>
    <message>
        <source>coefficient of Y in equation %1</source>
        <translation>coefficient de Y dans l’équation %1</translation>
    </message>
    <message>
        <source>right-hand side of equation %1</source>
        <translation>second membre de l’équation %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a coefficient (a1), then where it stands</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a coefficient (a1), then where it stands</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Worked out by a calculator&apos;s floating-point arithmetic through the same formula, and not checked: %1.</source>
        <translation>Calculé comme le ferait une calculatrice en virgule flottante avec la même formule, et non vérifié : %1.</translation>
    </message>
    <message>
        <source>A calculator working through the same formula in floating point would give %1.</source>
        <translation>Une calculatrice appliquant la même formule en virgule flottante donnerait %1.</translation>
    </message>
    <message>
        <source>A calculator working through the same formula in floating point would divide by zero.</source>
        <translation>Une calculatrice appliquant la même formule en virgule flottante diviserait par zéro.</translation>
    </message>
    <message>
        <source>A calculator working through the same formula in floating point would meet a number too large for it.</source>
        <translation>Une calculatrice appliquant la même formule en virgule flottante rencontrerait un nombre trop grand pour elle.</translation>
    </message>
    <message>
        <source>A calculator working in floating point could not even hold a coefficient: it is too large for it.</source>
        <translation>Une calculatrice en virgule flottante ne pourrait même pas représenter un coefficient : il est trop grand pour elle.</translation>
    </message>
    <message>
        <source>The comma was read as a decimal mark.</source>
        <translation>La virgule a été lue comme séparateur décimal.</translation>
    </message>
    <message>
        <source>The period was read as a decimal mark.</source>
        <translation>Le point a été lu comme séparateur décimal.</translation>
    </message>
    <message>
        <source>The equations were not solved exactly: %1. A calculator working through the same formula in floating point then meets a number too large for it.</source>
        <translation>Les équations n’ont pas été résolues exactement : %1. Une calculatrice appliquant la même formule en virgule flottante rencontre alors un nombre trop grand pour elle.</translation>
    </message>
    <message>
        <source>The equations were not solved exactly: %1. A calculator working through the same formula in floating point then divides by zero.</source>
        <translation>Les équations n’ont pas été résolues exactement : %1. Une calculatrice appliquant la même formule en virgule flottante divise alors par zéro.</translation>
    </message>
    <message>
        <source>Show the &amp;working (F1)</source>
        <translation>Afficher la &amp;démarche (F1)</translation>
    </message>
</context>
<context>
    <name>WorkingText</name>
    <message>
        <source>The working</source>
        <translation>La démarche</translation>
    </message>
    <message>
        <source>&amp;Copy the answer</source>
        <translation>&amp;Copier la réponse</translation>
    </message>
    <message>
        <source>The working cannot be shown exactly: %1.</source>
        <translation>La démarche ne peut pas être montrée exactement : %1.</translation>
    </message>
    <message>
        <source>The equations as read:</source>
        <translation>Les équations telles que lues :</translation>
    </message>
    <message>
        <source>%1, typed %2, was read as %3.</source>
        <translation>%1, saisi %2, a été lu comme %3.</translation>
    </message>
    <message>
        <source>The result boxes show the answer to these equations.</source>
        <translation>Les cases de résultat montrent la réponse à ces équations.</translation>
    </message>
    <message>
        <source>The result boxes show results of earlier equations: Calculate (%1) computes these.</source>
        <translation>Les cases de résultat montrent des résultats d’équations précédentes : Calculer (%1) calcule celles-ci.</translation>
    </message>
    <message>
        <source>X is eliminated: equation 1 times a2 = %1, less equation 2 times a1 = %2:</source>
        <translation>X est éliminé : l’équation 1 fois a2 = %1, moins l’équation 2 fois a1 = %2 :</translation>
    </message>
    <message>
        <source>a2%1b1 %2 a1%1b2 = 0: the left sides are proportional, so there is no single solution.</source>
        <translation>a2%1b1 %2 a1%1b2 = 0 : les membres de gauche sont proportionnels, il n’y a donc pas de solution unique.</translation>
    </message>
    <message>
        <source>a2%1c1 %2 a1%1c2 = %3, not 0: the right sides are not in that proportion, so no X and Y satisfy both equations.</source>
        <translation>a2%1c1 %2 a1%1c2 = %3, non nul : les seconds membres ne sont pas dans cette proportion, aucun X et Y ne vérifient donc les deux équations.</translation>
    </message>
    <message>
        <source>X from equation 1 times a2, with that Y:</source>
        <translation>X de l’équation 1 fois a2, avec cet Y :</translation>
    </message>
    <message>
        <source>a1%1a2 = 0, so X comes from the two equations by Cramer&apos;s rule:</source>
        <translation>a1%1a2 = 0, X vient donc des deux équations par la règle de Cramer :</translation>
    </message>
    <message>
        <source>The answer:</source>
        <translation>La réponse :</translation>
    </message>
    <message>
        <source>The check, with X and Y put back, both sides equal:</source>
        <translation>La vérification, X et Y remplacés, les deux membres égaux :</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>a1, coefficient of X in equation 1</source>
        <translation>a1, coefficient de X dans l&apos;équation 1</translation>
    </message>
    <message>
        <source>Multiplies X in the first equation.</source>
        <translation>Multiplie X dans la première équation.</translation>
    </message>
    <message>
        <source>b1, coefficient of Y in equation 1</source>
        <translation>b1, coefficient de Y dans l&apos;équation 1</translation>
    </message>
    <message>
        <source>Multiplies Y in the first equation.</source>
        <translation>Multiplie Y dans la première équation.</translation>
    </message>
    <message>
        <source>c1, right-hand side of equation 1</source>
        <translation>c1, membre de droite de l&apos;équation 1</translation>
    </message>
    <message>
        <source>What the left side of the first equation equals.</source>
        <translation>Ce que vaut le membre de gauche de la première équation.</translation>
    </message>
    <message>
        <source>a2, coefficient of X in equation 2</source>
        <translation>a2, coefficient de X dans l&apos;équation 2</translation>
    </message>
    <message>
        <source>Multiplies X in the second equation.</source>
        <translation>Multiplie X dans la seconde équation.</translation>
    </message>
    <message>
        <source>b2, coefficient of Y in equation 2</source>
        <translation>b2, coefficient de Y dans l&apos;équation 2</translation>
    </message>
    <message>
        <source>Multiplies Y in the second equation.</source>
        <translation>Multiplie Y dans la seconde équation.</translation>
    </message>
    <message>
        <source>c2, right-hand side of equation 2</source>
        <translation>c2, membre de droite de l&apos;équation 2</translation>
    </message>
    <message>
        <source>What the left side of the second equation equals.</source>
        <translation>Ce que vaut le membre de gauche de la seconde équation.</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Y result</source>
        <translation>Résultat Y</translation>
    </message>
    <message>
        <source>X result</source>
        <translation>Résultat X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Tarnyx Equations banner</source>
        <translation>Bannière de Tarnyx Equations</translation>
    </message>
    <message>
        <source>Shows the Y that solves both equations. Calculate (%1) recomputes it; F1 shows the working.</source>
        <translation>Montre l’Y qui résout les deux équations. Calculer (%1) le recalcule ; F1 montre la démarche.</translation>
    </message>
    <message>
        <source>Shows the X that solves both equations. Calculate (%1) recomputes it; F1 shows the working.</source>
        <translation>Montre l’X qui résout les deux équations. Calculer (%1) le recalcule ; F1 montre la démarche.</translation>
    </message>
</context>
</TS>
