// Word problems of combinations: C, a choice where order does not matter and
// nothing repeats; CR, a choice where order does not matter and things may
// repeat.

#include "exercises/templates.h"

namespace tarvi::exercises {

std::vector<Template> combinationTemplates()
{
    constexpr FormulaKind C = FormulaKind::C;
    constexpr FormulaKind CR = FormulaKind::CR;
    return {
        {C,
         {{{{5, 15}, {1, 3}}, {{15, 35}, {3, 6}}, {{25, 35}, {5, 17}}}},
         {{{"A class of {m} pupils must choose {n:# representative|# representatives}. In how many ways "
            "can this be done?",
            "order does not matter (the representatives are equal) and no pupil is repeated",
            {"m is the number of pupils in the class", "n is the number of representatives"}},
           {"En una classe de {m} alumnes cal triar {n:# delegat|# delegats}. De quantes maneres es pot "
            "fer?",
            "l'ordre no importa (els delegats són iguals) i no es repeteix cap alumne",
            {"m és el nombre d'alumnes de la classe", "n és el nombre de delegats"}},
           {"En una clase de {m} alumnos hay que elegir {n:# delegado|# delegados}. ¿De cuántas maneras "
            "puede hacerse?",
            "el orden no importa (los delegados son iguales) y no se repite ningún alumno",
            {"m es el número de alumnos de la clase", "n es el número de delegados"}}}}},
        {C,
         {{{{4, 12}, {2, 4}}, {{12, 30}, {4, 7}}, {{25, 40}, {8, 15}}}},
         {{{"A restaurant offers {m} dishes and each guest picks {n} different ones for a tasting menu. "
            "How many different menus can be put together?",
            "a menu is only which dishes it has, not their order, and none is repeated",
            {"m is the number of dishes on offer", "n is the number of dishes in a menu"}},
           {"Un restaurant ofereix {m} plats i cada client en tria {n} de diferents per al seu menú de "
            "degustació. Quants menús diferents es poden compondre?",
            "un menú és només quins plats porta, no en quin ordre, i cap no es repeteix",
            {"m és el nombre de plats que s'ofereixen", "n és el nombre de plats d'un menú"}},
           {"Un restaurante ofrece {m} platos y cada cliente escoge {n} distintos para su menú "
            "degustación. ¿Cuántos menús distintos se pueden componer?",
            "un menú es solo qué platos lleva, no en qué orden, y ninguno se repite",
            {"m es el número de platos que se ofrecen", "n es el número de platos de un menú"}}}}},
        {C,
         {{{{5, 20}, {2, 3}}, {{20, 49}, {4, 6}}, {{40, 90}, {5, 20}}}},
         {{{"A draw picks {n} different numbers from 1 to {m}, and order does not count. How many "
            "different results can the draw have?",
            "only which numbers come out counts, not their order, and none is repeated",
            {"m is the number of numbers in the draw", "n is the number of numbers picked"}},
           {"En un sorteig hi ha {m} boles numerades i se n'extreuen {n}; l'ordre no compta. Quants "
            "resultats diferents pot tenir el sorteig?",
            "només compta quins números surten, no en quin ordre, i cap no es repeteix",
            {"m és el nombre de boles del sorteig", "n és el nombre de boles que s'extreuen"}},
           {"En un sorteo se extraen {n} números distintos del 1 al {m}, y el orden no cuenta. ¿Cuántos "
            "resultados distintos puede tener el sorteo?",
            "solo cuenta qué números salen, no en qué orden, y ninguno se repite",
            {"m es la cantidad de números del sorteo", "n es la cantidad de números que se extraen"}}}}},
        {C,
         {{{{40, 40}, {2, 2}}, {{40, 40}, {3, 5}}, {{52, 52}, {6, 13}}}},
         {{{"How many different hands of {n} cards can be dealt from a pack of {m} cards?",
            "a hand does not depend on the order of its cards, and no card is repeated",
            {"m is the number of cards in the pack", "n is the number of cards in a hand"}},
           {"Quantes mans diferents de {n} cartes es poden repartir d'una baralla de {m} cartes?",
            "una mà no depèn de l'ordre de les cartes, i cap carta no es repeteix",
            {"m és el nombre de cartes de la baralla", "n és el nombre de cartes d'una mà"}},
           {"¿Cuántas manos distintas de {n} cartas se pueden repartir de una baraja de {m} cartas?",
            "una mano no depende del orden de sus cartas, y ninguna carta se repite",
            {"m es el número de cartas de la baraja", "n es el número de cartas de una mano"}}}}},
        {C,
         {{{{3, 10}, {1, 5}}, {{12, 24}, {4, 12}}, {{28, 60}, {8, 30}}}},
         {{{"A coin is tossed {m} times. How many sequences of results have exactly {n:# head|# heads}?",
            "it only matters which tosses come up heads, and that choice has no order",
            {"m is the number of tosses", "n is the number of heads"}},
           {"Es llança una moneda {m} vegades. Quantes seqüències de resultats tenen exactament {n:# "
            "cara|# cares}?",
            "només importa en quins llançaments surt cara, i aquesta tria no té ordre",
            {"m és el nombre de llançaments", "n és el nombre de cares"}},
           {"Se lanza una moneda {m} veces. ¿Cuántas secuencias de resultados tienen exactamente {n:# "
            "cara|# caras}?",
            "solo importa en qué lanzamientos sale cara, y esa elección no tiene orden",
            {"m es el número de lanzamientos", "n es el número de caras"}}}}},
        {C,
         {{{{4, 12}, {2, 3}}, {{12, 30}, {4, 6}}, {{25, 60}, {7, 12}}}},
         {{{"From a list of {m} books, {n} must be chosen to read over the summer. In how many ways can "
            "they be chosen?",
            "only which books are chosen matters, not their order, and none is repeated",
            {"m is the number of books on the list", "n is the number of books to read"}},
           {"D'una llista de {m} llibres cal triar-ne {n} per llegir a l'estiu. De quantes maneres es "
            "poden triar?",
            "només importa quins llibres es trien, no en quin ordre, i cap no es repeteix",
            {"m és el nombre de llibres de la llista", "n és el nombre de llibres que cal llegir"}},
           {"De una lista de {m} libros hay que escoger {n} para leer en verano. ¿De cuántas maneras se "
            "pueden escoger?",
            "solo importa qué libros se escogen, no en qué orden, y ninguno se repite",
            {"m es el número de libros de la lista", "n es el número de libros que hay que leer"}}}}},

        {CR,
         {{{{2, 8}, {2, 4}}, {{8, 20}, {5, 8}}, {{15, 30}, {8, 12}}}},
         {{{"An ice-cream shop has {m} flavours. How many different cups of {n} scoops can be ordered, "
            "if flavours may be repeated?",
            "the order of the scoops in a cup does not matter and a flavour may be repeated",
            {"m is the number of flavours", "n is the number of scoops in a cup"}},
           {"Una gelateria té {m} gustos. Quantes copes diferents de {n} boles es poden demanar, si els "
            "gustos es poden repetir?",
            "l'ordre de les boles a la copa no importa i un gust es pot repetir",
            {"m és el nombre de gustos", "n és el nombre de boles d'una copa"}},
           {"Una heladería tiene {m} sabores. ¿Cuántas copas distintas de {n} bolas se pueden pedir, si "
            "los sabores pueden repetirse?",
            "el orden de las bolas en la copa no importa y un sabor puede repetirse",
            {"m es el número de sabores", "n es el número de bolas de una copa"}}}}},
        {CR,
         {{{{6, 6}, {2, 7}}, {{6, 6}, {8, 62}}, {{6, 6}, {63, 100}}}},
         {{{"{n} identical dice are rolled together. How many different results are there, if all that "
            "counts is how many dice show each number?",
            "the dice are alike, so order does not matter, and a number may be repeated",
            {"m is the number of faces of a die", "n is the number of dice"}},
           {"Es llancen alhora {n} daus iguals. Quants resultats diferents hi ha, si només compta quants "
            "daus mostren cada número?",
            "els daus són iguals, així que l'ordre no importa, i un número es pot repetir",
            {"m és el nombre de cares d'un dau", "n és el nombre de daus"}},
           {"Se lanzan a la vez {n} dados iguales. ¿Cuántos resultados distintos hay, si solo cuenta "
            "cuántos dados muestran cada número?",
            "los dados son iguales, así que el orden no importa, y un número puede repetirse",
            {"m es el número de caras de un dado", "n es el número de dados"}}}}},
        {CR,
         {{{{2, 5}, {2, 6}}, {{5, 12}, {8, 20}}, {{10, 30}, {15, 60}}}},
         {{{"In how many ways can {n} identical sweets be shared among {m} children?",
            "the sweets are alike and a child may get several: a choice with repetition and no order",
            {"m is the number of children", "n is the number of sweets"}},
           {"De quantes maneres es poden repartir {n} caramels iguals entre {m} nens?",
            "els caramels són iguals i un nen en pot rebre uns quants: una tria amb repetició i sense ordre",
            {"m és el nombre de nens", "n és el nombre de caramels"}},
           {"¿De cuántas maneras se pueden repartir {n} caramelos iguales entre {m} niños?",
            "los caramelos son iguales y un niño puede recibir varios: una elección con repetición y sin "
            "orden",
            {"m es el número de niños", "n es el número de caramelos"}}}}},
        {CR,
         {{{{2, 6}, {2, 6}}, {{6, 15}, {6, 12}}, {{12, 25}, {10, 24}}}},
         {{{"A cake shop has {m} kinds of cake. In how many ways can a box of {n} cakes be filled?",
            "the order in the box does not matter and a kind of cake may be repeated",
            {"m is the number of kinds of cake", "n is the number of cakes in a box"}},
           {"Una pastisseria té {m} tipus de pastissos. De quantes maneres es pot omplir una capsa de {n} "
            "pastissos?",
            "l'ordre a la capsa no importa i un tipus de pastís es pot repetir",
            {"m és el nombre de tipus de pastissos", "n és el nombre de pastissos d'una capsa"}},
           {"Una pastelería tiene {m} clases de pasteles. ¿De cuántas maneras se puede llenar una caja de "
            "{n} pasteles?",
            "el orden en la caja no importa y una clase de pastel puede repetirse",
            {"m es el número de clases de pasteles", "n es el número de pasteles de una caja"}}}}},
        {CR,
         {{{{9, 9}, {2, 4}}, {{9, 9}, {5, 23}}, {{9, 9}, {24, 60}}}},
         {{{"How many numbers of {n} digits, with no zero, have their digits in non-decreasing order "
            "(each one equal to or greater than the one before)?",
            "such a number is fixed by how often each digit appears: a choice with repetition and no order",
            {"m is the number of digits possible (1 to 9)", "n is the number of digits in each number"}},
           {"Quants nombres de {n} xifres, sense cap zero, tenen les xifres ordenades de menor a major "
            "(cadascuna igual o més gran que l'anterior)?",
            "un nombre així queda fixat per quantes vegades hi surt cada xifra: una tria amb repetició i "
            "sense ordre",
            {"m és el nombre de xifres possibles (de l'1 al 9)", "n és el nombre de xifres de cada nombre"}},
           {"¿Cuántos números de {n} cifras, sin ningún cero, tienen las cifras ordenadas de menor a mayor "
            "(cada una igual o mayor que la anterior)?",
            "un número así queda fijado por cuántas veces sale cada cifra: una elección con repetición y "
            "sin orden",
            {"m es el número de cifras posibles (del 1 al 9)", "n es el número de cifras de cada número"}}}}},
        {CR,
         {{{{2, 6}, {2, 5}}, {{5, 12}, {6, 12}}, {{10, 20}, {12, 30}}}},
         {{{"A shop sells flags in {m} colours. In how many ways can {n} flags be bought, if all that "
            "matters is how many there are of each colour?",
            "only how many flags of each colour counts: no order, and a colour may be repeated",
            {"m is the number of colours", "n is the number of flags bought"}},
           {"Una botiga ven banderes de {m} colors. De quantes maneres se'n poden comprar {n}, si només "
            "importa quantes n'hi ha de cada color?",
            "només compta quantes banderes hi ha de cada color: sense ordre, i un color es pot repetir",
            {"m és el nombre de colors", "n és el nombre de banderes que es compren"}},
           {"Una tienda vende banderas de {m} colores. ¿De cuántas maneras se pueden comprar {n} banderas, "
            "si solo importa cuántas hay de cada color?",
            "solo cuenta cuántas banderas hay de cada color: sin orden, y un color puede repetirse",
            {"m es el número de colores", "n es el número de banderas que se compran"}}}}},
    };
}

} // namespace tarvi::exercises
