<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Wording</name>
    <message>
        <source>Infinitely many solutions: X = %1; Y can be any number.</source>
        <translation>Unendlich viele Lösungen: X = %1; Y ist beliebig.</translation>
    </message>
    <message>
        <source>Infinitely many solutions: X = %1, for any Y.</source>
        <translation>Unendlich viele Lösungen: X = %1 für jedes Y.</translation>
    </message>
    <message>
        <source>Infinitely many solutions: Y = %1; X can be any number.</source>
        <translation>Unendlich viele Lösungen: Y = %1; X ist beliebig.</translation>
    </message>
    <message>
        <source>Infinitely many solutions: any X and Y satisfy both equations.</source>
        <translation>Unendlich viele Lösungen: Jedes X und Y erfüllt beide Gleichungen.</translation>
    </message>
    <message>
        <source>Its numbers are rounded to %1 significant digits.</source>
        <translation>Die Zahlen sind auf %1 signifikante Stellen gerundet.</translation>
    </message>
    <message>
        <source>Rounded to %1 significant digits; the exact answer is %2.</source>
        <translation>Auf %1 signifikante Stellen gerundet; das exakte Ergebnis ist %2.</translation>
    </message>
    <message>
        <source>Rounded to %1 significant digits; the exact answer has more digits.</source>
        <translation>Auf %1 signifikante Stellen gerundet; das exakte Ergebnis hat mehr Stellen.</translation>
    </message>
    <message>
        <source>This is the exact answer.</source>
        <translation>Das ist das exakte Ergebnis.</translation>
    </message>
    <message>
        <source>From earlier equations.</source>
        <translation>Aus früheren Gleichungen.</translation>
    </message>
    <message>
        <source>Typed here, not computed: Calculate (%1) computes %2.</source>
        <comment>the Calculate button&apos;s access key (Alt+A), then the unknown, X or Y</comment>
        <translation>Hier eingegeben, nicht berechnet: Berechnen (%1) berechnet %2.</translation>
    </message>
    <message>
        <source>In the box: %1</source>
        <translation>Im Feld: %1</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>Eingegeben: %1</translation>
    </message>
    <message>
        <source>Read as %1: %2 is not a number.</source>
        <translation>Gelesen als %1: %2 ist keine Zahl.</translation>
    </message>
    <message>
        <source>Read as %1.</source>
        <translation>Gelesen als %1.</translation>
    </message>
    <message>
        <source>%1 is not part of the number.</source>
        <translation>%1 gehört nicht zur Zahl.</translation>
    </message>
    <message>
        <source>The blanks inside the number are skipped.</source>
        <translation>Die Leerzeichen in der Zahl werden übergangen.</translation>
    </message>
    <message>
        <source>%1 was read as %2, not as typed.</source>
        <comment>a coefficient (a1) and its value</comment>
        <translation>%1 wurde als %2 gelesen, nicht wie eingegeben.</translation>
    </message>
    <message>
        <source>%1 read as %2</source>
        <comment>a coefficient (a1) and its value</comment>
        <translation>%1 gelesen als %2</translation>
    </message>
    <message>
        <source>No solution: the two equations contradict each other.</source>
        <translation>Keine Lösung: Die beiden Gleichungen widersprechen einander.</translation>
    </message>
    <message>
        <source>No unique solution: infinitely many pairs of X and Y satisfy both equations.</source>
        <translation>Keine eindeutige Lösung: Unendlich viele Paare von X und Y erfüllen beide Gleichungen.</translation>
    </message>
    <message>
        <source>The calculation failed.</source>
        <translation>Die Berechnung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>There is not enough memory to calculate.</source>
        <translation>Für die Berechnung ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>Neither result could be computed; both boxes keep their earlier values.</source>
        <translation>Keines der Ergebnisse konnte berechnet werden; beide Felder behalten ihre bisherigen Werte.</translation>
    </message>
    <message>
        <source>Neither result could be computed; the %1 box keeps its earlier value.</source>
        <comment>the unknown, X or Y</comment>
        <translation>Keines der Ergebnisse konnte berechnet werden; das Feld %1 behält seinen bisherigen Wert.</translation>
    </message>
    <message>
        <source>Neither result could be computed.</source>
        <translation>Keines der Ergebnisse konnte berechnet werden.</translation>
    </message>
    <message>
        <source>%1 was computed.</source>
        <comment>a result written before the failure, as &quot;Y = 1&quot;</comment>
        <translation>%1 wurde berechnet.</translation>
    </message>
    <message>
        <source>%1 could not be computed; its box keeps its earlier value.</source>
        <comment>the unknown, X or Y</comment>
        <translation>%1 konnte nicht berechnet werden; sein Feld behält den bisherigen Wert.</translation>
    </message>
    <message>
        <source>%1 could not be computed.</source>
        <comment>the unknown, X or Y</comment>
        <translation>%1 konnte nicht berechnet werden.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>a number whose exponent is beyond ±%1</source>
        <translation>eine Zahl mit einem Exponenten jenseits von ±%1</translation>
    </message>
    <message>
        <source>%1 has more than %2 significant digits, or a last significant digit whose exponent is beyond ±%3</source>
        <comment>a coefficient (a1), then the bounds</comment>
        <translation>%1 hat mehr als %2 signifikante Stellen oder eine letzte signifikante Stelle mit einem Exponenten jenseits von ±%3</translation>
    </message>
    <message>
        <source>The box draws the exact answer, %1, and holds it to %2 significant digits.</source>
        <translation>Das Feld zeigt das exakte Ergebnis, %1, und enthält es auf %2 signifikante Stellen.</translation>
    </message>
    <message>
        <source>No solution: equation %1 reads 0 = %2.</source>
        <comment>the equation (1 or 2), then c</comment>
        <translation>Keine Lösung: Gleichung %1 lautet 0 = %2.</translation>
    </message>
    <message>
        <source>%1 is shown; the %2 box keeps its earlier text.</source>
        <comment>a result (X = 2), then the other unknown</comment>
        <translation>%1 wird angezeigt; das Feld %2 behält seinen bisherigen Text.</translation>
    </message>
    <message>
        <source>%1 is shown.</source>
        <comment>a result (X = 2)</comment>
        <translation>%1 wird angezeigt.</translation>
    </message>
    <message>
        <source>coefficient of X in equation %1</source>
        <translation>Koeffizient von X in Gleichung %1</translation>
    </message>
    <message>
        <source>coefficient of Y in equation %1</source>
        <translation>Koeffizient von Y in Gleichung %1</translation>
    </message>
    <message>
        <source>right-hand side of equation %1</source>
        <translation>rechte Seite von Gleichung %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a coefficient (a1), then where it stands</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a coefficient (a1), then where it stands</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Worked out by a calculator&apos;s floating-point arithmetic through the same formula, and not checked: %1.</source>
        <translation>Mit der Gleitkommaarithmetik eines Taschenrechners über dieselbe Formel berechnet und nicht geprüft: %1.</translation>
    </message>
    <message>
        <source>A calculator working through the same formula in floating point would give %1.</source>
        <translation>Ein Taschenrechner, der dieselbe Formel in Gleitkommaarithmetik durchrechnet, erhielte %1.</translation>
    </message>
    <message>
        <source>A calculator working through the same formula in floating point would divide by zero.</source>
        <translation>Ein Taschenrechner, der dieselbe Formel in Gleitkommaarithmetik durchrechnet, würde durch null teilen.</translation>
    </message>
    <message>
        <source>A calculator working through the same formula in floating point would meet a number too large for it.</source>
        <translation>Ein Taschenrechner, der dieselbe Formel in Gleitkommaarithmetik durchrechnet, träfe auf eine Zahl, die für ihn zu groß ist.</translation>
    </message>
    <message>
        <source>A calculator working in floating point could not even hold a coefficient: it is too large for it.</source>
        <translation>Ein Taschenrechner mit Gleitkommaarithmetik könnte einen Koeffizienten nicht einmal darstellen: Er ist für ihn zu groß.</translation>
    </message>
    <message>
        <source>The comma was read as a decimal mark.</source>
        <translation>Das Komma wurde als Dezimaltrennzeichen gelesen.</translation>
    </message>
    <message>
        <source>The period was read as a decimal mark.</source>
        <translation>Der Punkt wurde als Dezimaltrennzeichen gelesen.</translation>
    </message>
    <message>
        <source>The equations were not solved exactly: %1. A calculator working through the same formula in floating point then meets a number too large for it.</source>
        <translation>Die Gleichungen wurden nicht exakt gelöst: %1. Ein Taschenrechner, der dieselbe Formel in Gleitkommaarithmetik durchrechnet, trifft dann auf eine Zahl, die für ihn zu groß ist.</translation>
    </message>
    <message>
        <source>The equations were not solved exactly: %1. A calculator working through the same formula in floating point then divides by zero.</source>
        <translation>Die Gleichungen wurden nicht exakt gelöst: %1. Ein Taschenrechner, der dieselbe Formel in Gleitkommaarithmetik durchrechnet, teilt dann durch null.</translation>
    </message>
    <message>
        <source>Show the &amp;working (F1)</source>
        <translation>Rechen&amp;weg zeigen (F1)</translation>
    </message>
</context>
<context>
    <name>WorkingText</name>
    <message>
        <source>The working</source>
        <translation>Der Rechenweg</translation>
    </message>
    <message>
        <source>&amp;Copy the answer</source>
        <translation>Ergebnis &amp;kopieren</translation>
    </message>
    <message>
        <source>The working cannot be shown exactly: %1.</source>
        <translation>Der Rechenweg kann nicht exakt gezeigt werden: %1.</translation>
    </message>
    <message>
        <source>The equations as read:</source>
        <translation>Die Gleichungen, wie gelesen:</translation>
    </message>
    <message>
        <source>%1, typed %2, was read as %3.</source>
        <translation>%1, eingegeben als %2, wurde als %3 gelesen.</translation>
    </message>
    <message>
        <source>The result boxes show the answer to these equations.</source>
        <translation>Die Ergebnisfelder zeigen die Lösung dieser Gleichungen.</translation>
    </message>
    <message>
        <source>The result boxes show results of earlier equations: Calculate (%1) computes these.</source>
        <translation>Die Ergebnisfelder zeigen Ergebnisse früherer Gleichungen: Berechnen (%1) berechnet diese.</translation>
    </message>
    <message>
        <source>X is eliminated: equation 1 times a2 = %1, less equation 2 times a1 = %2:</source>
        <translation>X wird eliminiert: Gleichung 1 mal a2 = %1, minus Gleichung 2 mal a1 = %2:</translation>
    </message>
    <message>
        <source>a2%1b1 %2 a1%1b2 = 0: the left sides are proportional, so there is no single solution.</source>
        <translation>a2%1b1 %2 a1%1b2 = 0: Die linken Seiten sind proportional, es gibt also keine eindeutige Lösung.</translation>
    </message>
    <message>
        <source>a2%1c1 %2 a1%1c2 = %3, not 0: the right sides are not in that proportion, so no X and Y satisfy both equations.</source>
        <translation>a2%1c1 %2 a1%1c2 = %3, nicht 0: Die rechten Seiten stehen nicht im selben Verhältnis, also erfüllen kein X und Y beide Gleichungen.</translation>
    </message>
    <message>
        <source>X from equation 1 times a2, with that Y:</source>
        <translation>X aus Gleichung 1 mal a2, mit diesem Y:</translation>
    </message>
    <message>
        <source>a1%1a2 = 0, so X comes from the two equations by Cramer&apos;s rule:</source>
        <translation>a1%1a2 = 0, also ergibt sich X aus beiden Gleichungen nach der Cramerschen Regel:</translation>
    </message>
    <message>
        <source>The answer:</source>
        <translation>Das Ergebnis:</translation>
    </message>
    <message>
        <source>The check, with X and Y put back, both sides equal:</source>
        <translation>Die Probe, mit X und Y eingesetzt, beide Seiten gleich:</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>a1, coefficient of X in equation 1</source>
        <translation>a1, Koeffizient von X in Gleichung 1</translation>
    </message>
    <message>
        <source>Multiplies X in the first equation.</source>
        <translation>Multipliziert X in der ersten Gleichung.</translation>
    </message>
    <message>
        <source>b1, coefficient of Y in equation 1</source>
        <translation>b1, Koeffizient von Y in Gleichung 1</translation>
    </message>
    <message>
        <source>Multiplies Y in the first equation.</source>
        <translation>Multipliziert Y in der ersten Gleichung.</translation>
    </message>
    <message>
        <source>c1, right-hand side of equation 1</source>
        <translation>c1, rechte Seite von Gleichung 1</translation>
    </message>
    <message>
        <source>What the left side of the first equation equals.</source>
        <translation>Der Wert der linken Seite der ersten Gleichung.</translation>
    </message>
    <message>
        <source>a2, coefficient of X in equation 2</source>
        <translation>a2, Koeffizient von X in Gleichung 2</translation>
    </message>
    <message>
        <source>Multiplies X in the second equation.</source>
        <translation>Multipliziert X in der zweiten Gleichung.</translation>
    </message>
    <message>
        <source>b2, coefficient of Y in equation 2</source>
        <translation>b2, Koeffizient von Y in Gleichung 2</translation>
    </message>
    <message>
        <source>Multiplies Y in the second equation.</source>
        <translation>Multipliziert Y in der zweiten Gleichung.</translation>
    </message>
    <message>
        <source>c2, right-hand side of equation 2</source>
        <translation>c2, rechte Seite von Gleichung 2</translation>
    </message>
    <message>
        <source>What the left side of the second equation equals.</source>
        <translation>Der Wert der linken Seite der zweiten Gleichung.</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Y result</source>
        <translation>Ergebnis Y</translation>
    </message>
    <message>
        <source>X result</source>
        <translation>Ergebnis X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Tarnyx Equations banner</source>
        <translation>Banner von Tarnyx Equations</translation>
    </message>
    <message>
        <source>Shows the Y that solves both equations. Calculate (%1) recomputes it; F1 shows the working.</source>
        <translation>Zeigt das Y, das beide Gleichungen löst. Berechnen (%1) berechnet es neu; F1 zeigt den Rechenweg.</translation>
    </message>
    <message>
        <source>Shows the X that solves both equations. Calculate (%1) recomputes it; F1 shows the working.</source>
        <translation>Zeigt das X, das beide Gleichungen löst. Berechnen (%1) berechnet es neu; F1 zeigt den Rechenweg.</translation>
    </message>
</context>
</TS>
