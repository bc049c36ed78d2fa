<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Wording</name>
    <message>
        <source>Infinitely many solutions: X = %1; Y can be any number.</source>
        <translation>Infinitas soluciones: X = %1; Y puede ser cualquier número.</translation>
    </message>
    <message>
        <source>Infinitely many solutions: X = %1, for any Y.</source>
        <translation>Infinitas soluciones: X = %1, para cualquier Y.</translation>
    </message>
    <message>
        <source>Infinitely many solutions: Y = %1; X can be any number.</source>
        <translation>Infinitas soluciones: Y = %1; X puede ser cualquier número.</translation>
    </message>
    <message>
        <source>Infinitely many solutions: any X and Y satisfy both equations.</source>
        <translation>Infinitas soluciones: cualquier X e Y cumplen ambas ecuaciones.</translation>
    </message>
    <message>
        <source>Its numbers are rounded to %1 significant digits.</source>
        <translation>Sus números están redondeados a %1 cifras significativas.</translation>
    </message>
    <message>
        <source>Rounded to %1 significant digits; the exact answer is %2.</source>
        <translation>Redondeado a %1 cifras significativas; la respuesta exacta es %2.</translation>
    </message>
    <message>
        <source>Rounded to %1 significant digits; the exact answer has more digits.</source>
        <translation>Redondeado a %1 cifras significativas; la respuesta exacta tiene más cifras.</translation>
    </message>
    <message>
        <source>This is the exact answer.</source>
        <translation>Esta es la respuesta exacta.</translation>
    </message>
    <message>
        <source>From earlier equations.</source>
        <translation>De ecuaciones anteriores.</translation>
    </message>
    <message>
        <source>Typed here, not computed: Calculate (%1) computes %2.</source>
        <comment>the Calculate button&apos;s access key (Alt+A), then the unknown, X or Y</comment>
        <translation>Escrito aquí, no calculado: Calcular (%1) calcula %2.</translation>
    </message>
    <message>
        <source>In the box: %1</source>
        <translation>En la casilla: %1</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>Escrito: %1</translation>
    </message>
    <message>
        <source>Read as %1: %2 is not a number.</source>
        <translation>Leído como %1: %2 no es un número.</translation>
    </message>
    <message>
        <source>Read as %1.</source>
        <translation>Leído como %1.</translation>
    </message>
    <message>
        <source>%1 is not part of the number.</source>
        <translation>%1 no forma parte del número.</translation>
    </message>
    <message>
        <source>The blanks inside the number are skipped.</source>
        <translation>Los espacios dentro del número se omiten.</translation>
    </message>
    <message>
        <source>%1 was read as %2, not as typed.</source>
        <comment>a coefficient (a1) and its value</comment>
        <translation>%1 se leyó como %2, no como se escribió.</translation>
    </message>
    <message>
        <source>%1 read as %2</source>
        <comment>a coefficient (a1) and its value</comment>
        <translation>%1 leído como %2</translation>
    </message>
    <message>
        <source>No solution: the two equations contradict each other.</source>
        <translation>Sin solución: las dos ecuaciones se contradicen.</translation>
    </message>
    <message>
        <source>No unique solution: infinitely many pairs of X and Y satisfy both equations.</source>
        <translation>Sin solución única: infinitos pares de X e Y cumplen ambas ecuaciones.</translation>
    </message>
    <message>
        <source>The calculation failed.</source>
        <translation>El cálculo ha fallado.</translation>
    </message>
    <message>
        <source>There is not enough memory to calculate.</source>
        <translation>No hay memoria suficiente para calcular.</translation>
    </message>
    <message>
        <source>Neither result could be computed; both boxes keep their earlier values.</source>
        <translation>No se pudo calcular ningún resultado; ambas casillas conservan sus valores anteriores.</translation>
    </message>
    <message>
        <source>Neither result could be computed; the %1 box keeps its earlier value.</source>
        <comment>the unknown, X or Y</comment>
        <translation>No se pudo calcular ningún resultado; la casilla %1 conserva su valor anterior.</translation>
    </message>
    <message>
        <source>Neither result could be computed.</source>
        <translation>No se pudo calcular ningún resultado.</translation>
    </message>
    <message>
        <source>%1 was computed.</source>
        <comment>a result written before the failure, as &quot;Y = 1&quot;</comment>
        <translation>%1 se calculó.</translation>
    </message>
    <message>
        <source>%1 could not be computed; its box keeps its earlier value.</source>
        <comment>the unknown, X or Y</comment>
        <translation>%1 no se pudo calcular; su casilla conserva su valor anterior.</translation>
    </message>
    <message>
        <source>%1 could not be computed.</source>
        <comment>the unknown, X or Y</comment>
        <translation>%1 no se pudo calcular.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>a number whose exponent is beyond ±%1</source>
        <translation>un número cuyo exponente supera ±%1</translation>
    </message>
    <message>
        <source>%1 has more than %2 significant digits, or a last significant digit whose exponent is beyond ±%3</source>
        <comment>a coefficient (a1), then the bounds</comment>
        <translation>%1 tiene más de %2 cifras significativas, o una última cifra significativa cuyo exponente supera ±%3</translation>
    </message>
    <message>
        <source>The box draws the exact answer, %1, and holds it to %2 significant digits.</source>
        <translation>La casilla muestra la respuesta exacta, %1, y la guarda con %2 cifras significativas.</translation>
    </message>
    <message>
        <source>No solution: equation %1 reads 0 = %2.</source>
        <comment>the equation (1 or 2), then c</comment>
        <translation>Sin solución: la ecuación %1 dice 0 = %2.</translation>
    </message>
    <message>
        <source>%1 is shown; the %2 box keeps its earlier text.</source>
        <comment>a result (X = 2), then the other unknown</comment>
        <translation>Se muestra %1; la casilla %2 conserva su texto anterior.</translation>
    </message>
    <message>
        <source>%1 is shown.</source>
        <comment>a result (X = 2)</comment>
        <translation>Se muestra %1.</translation>
    </message>
    <message>
        <source>coefficient of X in equation %1</source>
        <translation>coeficiente de X en la ecuación %1</translation>
    </message>
    <message>
        <source>coefficient of Y in equation %1</source>
        <translation>coeficiente de Y en la ecuación %1</translation>
    </message>
    <message>
        <source>right-hand side of equation %1</source>
        <translation>lado derecho de la ecuación %1</translation>
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
        <translation>Calculado como lo haría una calculadora en coma flotante con la misma fórmula, y sin comprobar: %1.</translation>
    </message>
    <message>
        <source>A calculator working through the same formula in floating point would give %1.</source>
        <translation>Una calculadora que aplicara la misma fórmula en coma flotante daría %1.</translation>
    </message>
    <message>
        <source>A calculator working through the same formula in floating point would divide by zero.</source>
        <translation>Una calculadora que aplicara la misma fórmula en coma flotante dividiría por cero.</translation>
    </message>
    <message>
        <source>A calculator working through the same formula in floating point would meet a number too large for it.</source>
        <translation>Una calculadora que aplicara la misma fórmula en coma flotante encontraría un número demasiado grande para ella.</translation>
    </message>
    <message>
        <source>A calculator working in floating point could not even hold a coefficient: it is too large for it.</source>
        <translation>Una calculadora en coma flotante ni siquiera podría representar un coeficiente: es demasiado grande para ella.</translation>
    </message>
    <message>
        <source>The comma was read as a decimal mark.</source>
        <translation>La coma se leyó como separador decimal.</translation>
    </message>
    <message>
        <source>The period was read as a decimal mark.</source>
        <translation>El punto se leyó como separador decimal.</translation>
    </message>
    <message>
        <source>The equations were not solved exactly: %1. A calculator working through the same formula in floating point then meets a number too large for it.</source>
        <translation>Las ecuaciones no se resolvieron exactamente: %1. Una calculadora que aplicara la misma fórmula en coma flotante encuentra entonces un número demasiado grande para ella.</translation>
    </message>
    <message>
        <source>The equations were not solved exactly: %1. A calculator working through the same formula in floating point then divides by zero.</source>
        <translation>Las ecuaciones no se resolvieron exactamente: %1. Una calculadora que aplicara la misma fórmula en coma flotante divide entonces por cero.</translation>
    </message>
    <message>
        <source>Show the &amp;working (F1)</source>
        <translation>&amp;Ver el desarrollo (F1)</translation>
    </message>
</context>
<context>
    <name>WorkingText</name>
    <message>
        <source>The working</source>
        <translation>El desarrollo</translation>
    </message>
    <message>
        <source>&amp;Copy the answer</source>
        <translation>&amp;Copiar la respuesta</translation>
    </message>
    <message>
        <source>The working cannot be shown exactly: %1.</source>
        <translation>El desarrollo no se puede mostrar exactamente: %1.</translation>
    </message>
    <message>
        <source>The equations as read:</source>
        <translation>Las ecuaciones tal como se leyeron:</translation>
    </message>
    <message>
        <source>%1, typed %2, was read as %3.</source>
        <translation>%1, escrito %2, se leyó como %3.</translation>
    </message>
    <message>
        <source>The result boxes show the answer to these equations.</source>
        <translation>Las casillas de resultado muestran la respuesta a estas ecuaciones.</translation>
    </message>
    <message>
        <source>The result boxes show results of earlier equations: Calculate (%1) computes these.</source>
        <translation>Las casillas de resultado muestran resultados de ecuaciones anteriores: Calcular (%1) calcula estas.</translation>
    </message>
    <message>
        <source>X is eliminated: equation 1 times a2 = %1, less equation 2 times a1 = %2:</source>
        <translation>Se elimina X: la ecuación 1 por a2 = %1, menos la ecuación 2 por a1 = %2:</translation>
    </message>
    <message>
        <source>a2%1b1 %2 a1%1b2 = 0: the left sides are proportional, so there is no single solution.</source>
        <translation>a2%1b1 %2 a1%1b2 = 0: los lados izquierdos son proporcionales, así que no hay una solución única.</translation>
    </message>
    <message>
        <source>a2%1c1 %2 a1%1c2 = %3, not 0: the right sides are not in that proportion, so no X and Y satisfy both equations.</source>
        <translation>a2%1c1 %2 a1%1c2 = %3, no 0: los lados derechos no guardan esa proporción, así que ningún X e Y cumplen ambas ecuaciones.</translation>
    </message>
    <message>
        <source>X from equation 1 times a2, with that Y:</source>
        <translation>X de la ecuación 1 por a2, con esa Y:</translation>
    </message>
    <message>
        <source>a1%1a2 = 0, so X comes from the two equations by Cramer&apos;s rule:</source>
        <translation>a1%1a2 = 0, así que X sale de las dos ecuaciones por la regla de Cramer:</translation>
    </message>
    <message>
        <source>The answer:</source>
        <translation>La respuesta:</translation>
    </message>
    <message>
        <source>The check, with X and Y put back, both sides equal:</source>
        <translation>La comprobación, con X e Y sustituidos, ambos lados iguales:</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>a1, coefficient of X in equation 1</source>
        <translation>a1, coeficiente de X en la ecuación 1</translation>
    </message>
    <message>
        <source>Multiplies X in the first equation.</source>
        <translation>Multiplica X en la primera ecuación.</translation>
    </message>
    <message>
        <source>b1, coefficient of Y in equation 1</source>
        <translation>b1, coeficiente de Y en la ecuación 1</translation>
    </message>
    <message>
        <source>Multiplies Y in the first equation.</source>
        <translation>Multiplica Y en la primera ecuación.</translation>
    </message>
    <message>
        <source>c1, right-hand side of equation 1</source>
        <translation>c1, lado derecho de la ecuación 1</translation>
    </message>
    <message>
        <source>What the left side of the first equation equals.</source>
        <translation>Lo que vale el lado izquierdo de la primera ecuación.</translation>
    </message>
    <message>
        <source>a2, coefficient of X in equation 2</source>
        <translation>a2, coeficiente de X en la ecuación 2</translation>
    </message>
    <message>
        <source>Multiplies X in the second equation.</source>
        <translation>Multiplica X en la segunda ecuación.</translation>
    </message>
    <message>
        <source>b2, coefficient of Y in equation 2</source>
        <translation>b2, coeficiente de Y en la ecuación 2</translation>
    </message>
    <message>
        <source>Multiplies Y in the second equation.</source>
        <translation>Multiplica Y en la segunda ecuación.</translation>
    </message>
    <message>
        <source>c2, right-hand side of equation 2</source>
        <translation>c2, lado derecho de la ecuación 2</translation>
    </message>
    <message>
        <source>What the left side of the second equation equals.</source>
        <translation>Lo que vale el lado izquierdo de la segunda ecuación.</translation>
    </message>
    <message>
        <source>C&amp;alculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Y result</source>
        <translation>Resultado Y</translation>
    </message>
    <message>
        <source>X result</source>
        <translation>Resultado X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Tarnyx Equations banner</source>
        <translation>Banner de Tarnyx Equations</translation>
    </message>
    <message>
        <source>Shows the Y that solves both equations. Calculate (%1) recomputes it; F1 shows the working.</source>
        <translation>Muestra la Y que resuelve ambas ecuaciones. Calcular (%1) la vuelve a calcular; F1 muestra el desarrollo.</translation>
    </message>
    <message>
        <source>Shows the X that solves both equations. Calculate (%1) recomputes it; F1 shows the working.</source>
        <translation>Muestra la X que resuelve ambas ecuaciones. Calcular (%1) la vuelve a calcular; F1 muestra el desarrollo.</translation>
    </message>
</context>
</TS>
