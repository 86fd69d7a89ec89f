// Word problems of permutations: P, everything put in order once; PR,
// everything put in order where some things are alike.

#include "exercises/templates.h"

namespace tarvi::exercises {

std::vector<Template> permutationTemplates()
{
    constexpr FormulaKind P = FormulaKind::P;
    constexpr FormulaKind PR = FormulaKind::PR;
    // Everything in a row: the same sizes at levels 1 and 2; at level 3 up to
    // as many as the setting allows (a class of 30, an alphabet of 26).
    const auto ordered = [](int most) {
        return std::array<std::vector<Range>, kLevels>{{{{3, 6}}, {{7, 10}}, {{11, most}}}};
    };
    const std::array<std::vector<Range>, kLevels> threeColours{
        {{{1, 3}, {1, 3}, {1, 3}}, {{2, 5}, {2, 5}, {2, 5}}, {{4, 12}, {4, 12}, {4, 12}}}};
    return {
        {P,
         ordered(30),
         {{{"In how many ways can {m} pupils stand in a row?",
            "all the pupils are put in order and none is repeated",
            {"m is the number of pupils"}},
           {"De quantes maneres es poden col·locar {m} alumnes en fila?",
            "s'ordenen tots els alumnes i cap no es repeteix",
            {"m és el nombre d'alumnes"}},
           {"¿De cuántas maneras se pueden colocar {m} alumnos en fila?",
            "se ordenan todos los alumnos y ninguno se repite",
            {"m es el número de alumnos"}}}}},
        {P,
         ordered(26),
         {{{"How many different words, meaningful or not, can be formed by arranging {m} different "
            "letters, using all of them?",
            "all the letters are put in order and none is repeated",
            {"m is the number of letters"}},
           {"Quantes paraules diferents, tinguin sentit o no, es poden formar ordenant {m} lletres "
            "diferents, fent-les servir totes?",
            "s'ordenen totes les lletres i cap no es repeteix",
            {"m és el nombre de lletres"}},
           {"¿Cuántas palabras distintas, tengan sentido o no, se pueden formar ordenando {m} letras "
            "distintas, usándolas todas?",
            "se ordenan todas las letras y ninguna se repite",
            {"m es el número de letras"}}}}},
        {P,
         ordered(30),
         {{{"In how many ways can {m} different books be arranged on a shelf?",
            "all the books are put in order and each appears once",
            {"m is the number of books"}},
           {"De quantes maneres es poden ordenar {m} llibres diferents en un prestatge?",
            "s'ordenen tots els llibres i cadascun hi surt una vegada",
            {"m és el nombre de llibres"}},
           {"¿De cuántas maneras se pueden ordenar {m} libros distintos en un estante?",
            "se ordenan todos los libros y cada uno aparece una vez",
            {"m es el número de libros"}}}}},
        {P,
         ordered(20),
         {{{"{m} friends go to the cinema and have {m} seats in a row. In how many ways can they sit?",
            "each friend takes one seat and every seat is filled: only the order counts",
            {"m is the number of friends, and of seats"}},
           {"{m} amics van al cinema i tenen {m} butaques seguides. De quantes maneres es poden "
            "asseure?",
            "cada amic ocupa una butaca i s'omplen totes: només compta l'ordre",
            {"m és el nombre d'amics, i de butaques"}},
           {"{m} amigos van al cine y tienen {m} butacas seguidas. ¿De cuántas maneras pueden "
            "sentarse?",
            "cada amigo ocupa una butaca y se llenan todas: solo cuenta el orden",
            {"m es el número de amigos, y de butacas"}}}}},
        {P,
         ordered(20),
         {{{"A cook must prepare {m} different dishes, one after another. In how many different orders "
            "can they be prepared?",
            "all the dishes are put in order and each is prepared once",
            {"m is the number of dishes"}},
           {"Un cuiner ha de preparar {m} plats diferents, l'un darrere l'altre. En quants ordres "
            "diferents els pot preparar?",
            "s'ordenen tots els plats i cadascun es prepara una vegada",
            {"m és el nombre de plats"}},
           {"Un cocinero debe preparar {m} platos distintos, uno detrás de otro. ¿En cuántos órdenes "
            "distintos puede prepararlos?",
            "se ordenan todos los platos y cada uno se prepara una vez",
            {"m es el número de platos"}}}}},
        {P,
         ordered(40),
         {{{"In how many ways can the flags of {m} different countries be hung in a row?",
            "all the flags are put in order and none is repeated",
            {"m is the number of flags"}},
           {"De quantes maneres es poden penjar en fila les banderes de {m} països diferents?",
            "s'ordenen totes les banderes i cap no es repeteix",
            {"m és el nombre de banderes"}},
           {"¿De cuántas maneras se pueden colgar en fila las banderas de {m} países distintos?",
            "se ordenan todas las banderas y ninguna se repite",
            {"m es el número de banderas"}}}}},

        {PR,
         threeColours,
         {{{"In how many ways can {1:# red ball|# red balls}, {2:# blue one|# blue ones} and {3:# green "
            "one|# green ones} be put in a row?",
            "all the balls are put in order and balls of one colour are alike",
            {"n1 is the number of red balls", "n2 is the number of blue balls",
             "n3 is the number of green balls"}},
           {"De quantes maneres es poden col·locar en fila {1:# bola vermella|# boles vermelles}, {2:# "
            "blava|# blaves} i {3:# verda|# verdes}?",
            "s'ordenen totes les boles i les del mateix color són iguals",
            {"n1 és el nombre de boles vermelles", "n2 és el nombre de boles blaves",
             "n3 és el nombre de boles verdes"}},
           {"¿De cuántas maneras se pueden colocar en fila {1:# bola roja|# bolas rojas}, {2:# azul|# "
            "azules} y {3:# verde|# verdes}?",
            "se ordenan todas las bolas y las del mismo color son iguales",
            {"n1 es el número de bolas rojas", "n2 es el número de bolas azules",
             "n3 es el número de bolas verdes"}}}}},
        {PR,
         {{{{1, 6}, {1, 6}}, {{4, 12}, {4, 12}}, {{10, 16}, {10, 16}}}},
         {{{"How many different signals can be made by hoisting {1:# white flag|# white flags} and {2:# "
            "red one|# red ones} on a mast, one above another?",
            "the order on the mast matters and flags of one colour are alike",
            {"n1 is the number of white flags", "n2 is the number of red flags"}},
           {"Quants senyals diferents es poden fer hissant en un pal, una damunt de l'altra, {1:# "
            "bandera blanca|# banderes blanques} i {2:# vermella|# vermelles}?",
            "l'ordre al pal importa i les banderes del mateix color són iguals",
            {"n1 és el nombre de banderes blanques", "n2 és el nombre de banderes vermelles"}},
           {"¿Cuántas señales distintas se pueden hacer izando en un mástil, una encima de otra, {1:# "
            "bandera blanca|# banderas blancas} y {2:# roja|# rojas}?",
            "el orden en el mástil importa y las banderas del mismo color son iguales",
            {"n1 es el número de banderas blancas", "n2 es el número de banderas rojas"}}}}},
        {PR,
         threeColours,
         {{{"How many different words, meaningful or not, can be formed with {1:# letter A|# letters A}, "
            "{2:# letter B|# letters B} and {3:# letter C|# letters C}, using them all?",
            "all the letters are put in order and equal letters cannot be told apart",
            {"n1 is the number of letters A", "n2 is the number of letters B",
             "n3 is the number of letters C"}},
           {"Quantes paraules diferents, tinguin sentit o no, es poden formar amb {1:# lletra A|# lletres "
            "A}, {2:# lletra B|# lletres B} i {3:# lletra C|# lletres C}, fent-les servir totes?",
            "s'ordenen totes les lletres i les lletres iguals no es distingeixen",
            {"n1 és el nombre de lletres A", "n2 és el nombre de lletres B", "n3 és el nombre de lletres C"}},
           {"¿Cuántas palabras distintas, tengan sentido o no, se pueden formar con {1:# letra A|# "
            "letras A}, {2:# letra B|# letras B} y {3:# letra C|# letras C}, usándolas todas?",
            "se ordenan todas las letras y las letras iguales no se distinguen",
            {"n1 es el número de letras A", "n2 es el número de letras B", "n3 es el número de letras C"}}}}},
        {PR,
         {{{{1, 3}, {1, 3}, {1, 3}}, {{2, 5}, {2, 5}, {2, 5}}, {{3, 10}, {3, 10}, {3, 10}}}},
         {{{"Over {m} days a canteen will serve lentils on {1:# day|# days}, pasta on {2:# day|# days} "
            "and fish on {3:# day|# days}, one dish a day. In how many ways can it plan them?",
            "it matters which dish comes on which day, and each dish comes a set number of times",
            {"n1 is the number of days with lentils", "n2 is the number of days with pasta",
             "n3 is the number of days with fish"}},
           {"Durant {m} dies un menjador servirà llenties {1:# dia|# dies}, pasta {2:# dia|# dies} i "
            "peix {3:# dia|# dies}, un plat cada dia. De quantes maneres ho pot organitzar?",
            "importa quin plat toca cada dia, i cada plat es repeteix les vegades fixades",
            {"n1 és el nombre de dies amb llenties", "n2 és el nombre de dies amb pasta",
             "n3 és el nombre de dies amb peix"}},
           {"Durante {m} días un comedor servirá lentejas {1:# día|# días}, pasta {2:# día|# días} y "
            "pescado {3:# día|# días}, un plato cada día. ¿De cuántas maneras puede organizarlo?",
            "importa qué plato toca cada día, y cada plato se repite las veces fijadas",
            {"n1 es el número de días con lentejas", "n2 es el número de días con pasta",
             "n3 es el número de días con pescado"}}}}},
        {PR,
         {{{{2, 3}, {2, 3}, {2, 3}}, {{2, 6}, {2, 6}, {2, 6}}, {{5, 10}, {5, 10}, {5, 10}}}},
         {{{"In how many ways can a class of {m} pupils be split into a group of {1} for drama, one of "
            "{2} for music and one of {3} for art?",
            "each pupil gets one activity, the group sizes are fixed and order within a group does not count",
            {"n1 is the number of pupils in drama", "n2 is the number of pupils in music",
             "n3 is the number of pupils in art"}},
           {"De quantes maneres es pot repartir una classe de {m} alumnes en un grup de {1} per a "
            "teatre, un de {2} per a música i un de {3} per a dibuix?",
            "cada alumne té una activitat, la mida dels grups és fixa i dins d'un grup l'ordre no compta",
            {"n1 és el nombre d'alumnes de teatre", "n2 és el nombre d'alumnes de música",
             "n3 és el nombre d'alumnes de dibuix"}},
           {"¿De cuántas maneras se puede repartir una clase de {m} alumnos en un grupo de {1} para "
            "teatro, uno de {2} para música y uno de {3} para dibujo?",
            "cada alumno tiene una actividad, el tamaño de los grupos es fijo y dentro de un grupo el "
            "orden no cuenta",
            {"n1 es el número de alumnos de teatro", "n2 es el número de alumnos de música",
             "n3 es el número de alumnos de dibujo"}}}}},
        {PR,
         {{{{1, 2}, {1, 2}, {1, 2}, {1, 2}},
           {{2, 4}, {2, 4}, {2, 4}, {2, 4}},
           {{3, 8}, {3, 8}, {3, 8}, {3, 8}}}},
         {{{"In how many ways can {1:# white counter|# white counters}, {2:# black one|# black ones}, "
            "{3:# red one|# red ones} and {4:# blue one|# blue ones} be put in a row?",
            "all the counters are put in order and counters of one colour are alike",
            {"n1 is the number of white counters", "n2 is the number of black counters",
             "n3 is the number of red counters", "n4 is the number of blue counters"}},
           {"De quantes maneres es poden col·locar en fila {1:# fitxa blanca|# fitxes blanques}, {2:# "
            "negra|# negres}, {3:# vermella|# vermelles} i {4:# blava|# blaves}?",
            "s'ordenen totes les fitxes i les del mateix color són iguals",
            {"n1 és el nombre de fitxes blanques", "n2 és el nombre de fitxes negres",
             "n3 és el nombre de fitxes vermelles", "n4 és el nombre de fitxes blaves"}},
           {"¿De cuántas maneras se pueden colocar en fila {1:# ficha blanca|# fichas blancas}, {2:# "
            "negra|# negras}, {3:# roja|# rojas} y {4:# azul|# azules}?",
            "se ordenan todas las fichas y las del mismo color son iguales",
            {"n1 es el número de fichas blancas", "n2 es el número de fichas negras",
             "n3 es el número de fichas rojas", "n4 es el número de fichas azules"}}}}},
    };
}

} // namespace tarvi::exercises
