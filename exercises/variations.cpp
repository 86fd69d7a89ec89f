// Word problems of variations: V, order matters and nothing repeats; VR,
// order matters and things may repeat.

#include "exercises/templates.h"

namespace tarvi::exercises {

std::vector<Template> variationTemplates()
{
    constexpr FormulaKind V = FormulaKind::V;
    constexpr FormulaKind VR = FormulaKind::VR;
    return {
        {V,
         {{{{4, 12}, {2, 3}}, {{8, 30}, {3, 5}}, {{20, 60}, {5, 8}}}},
         {{{"A club of {m} members must fill {n} different posts, and nobody may hold more than one. "
            "In how many ways can this be done?",
            "order matters, since every post is different, and no member is repeated",
            {"m is the number of club members", "n is the number of posts"}},
           {"En un club de {m} socis cal triar {n} càrrecs diferents, i ningú no en pot ocupar més "
            "d'un. De quantes maneres es pot fer?",
            "l'ordre importa, perquè cada càrrec és diferent, i no es repeteix cap soci",
            {"m és el nombre de socis del club", "n és el nombre de càrrecs"}},
           {"En un club de {m} socios hay que elegir {n} cargos distintos, y nadie puede ocupar más "
            "de uno. ¿De cuántas maneras puede hacerse?",
            "el orden importa, porque cada cargo es distinto, y no se repite ningún socio",
            {"m es el número de socios del club", "n es el número de cargos"}}}}},
        {V,
         {{{{5, 10}, {2, 3}}, {{10, 26}, {4, 5}}, {{15, 26}, {6, 12}}}},
         {{{"How many words of {n} different letters, meaningful or not, can be formed from an "
            "alphabet of {m} letters?",
            "the order of the letters matters and no letter is repeated",
            {"m is the number of letters in the alphabet", "n is the number of letters in each word"}},
           {"Quantes paraules de {n} lletres diferents, tinguin sentit o no, es poden formar amb un "
            "alfabet de {m} lletres?",
            "l'ordre de les lletres importa i cap lletra no es repeteix",
            {"m és el nombre de lletres de l'alfabet", "n és el nombre de lletres de cada paraula"}},
           {"¿Cuántas palabras de {n} letras distintas, tengan sentido o no, se pueden formar con un "
            "alfabeto de {m} letras?",
            "el orden de las letras importa y ninguna letra se repite",
            {"m es el número de letras del alfabeto", "n es el número de letras de cada palabra"}}}}},
        {V,
         {{{{3, 9}, {2, 3}}, {{7, 9}, {4, 7}}, {}}},
         {{{"How many numbers of {n} different digits can be written with the digits 1 to {m}?",
            "the order of the digits matters and no digit is repeated",
            {"m is the number of digits available", "n is the number of digits in each number"}},
           {"Quants nombres de {n} xifres diferents es poden escriure amb les xifres de l'1 al {m}?",
            "l'ordre de les xifres importa i no es repeteix cap xifra",
            {"m és el nombre de xifres disponibles", "n és el nombre de xifres de cada nombre"}},
           {"¿Cuántos números de {n} cifras distintas se pueden escribir con las cifras del 1 al {m}?",
            "el orden de las cifras importa y no se repite ninguna cifra",
            {"m es el número de cifras disponibles", "n es el número de cifras de cada número"}}}}},
        {V,
         {{{{3, 10}, {2, 3}}, {{8, 20}, {4, 5}}, {{15, 30}, {6, 8}}}},
         {{{"With {m} flags of different colours, signals are made by hoisting {n} of them on a mast, "
            "one above another. How many different signals can be made?",
            "the order on the mast matters and each flag is hoisted only once",
            {"m is the number of flags", "n is the number of flags in each signal"}},
           {"Amb {m} banderes de colors diferents es fan senyals hissant-ne {n} en un pal, una damunt "
            "de l'altra. Quants senyals diferents es poden fer?",
            "l'ordre al pal importa i cada bandera s'hissa una sola vegada",
            {"m és el nombre de banderes", "n és el nombre de banderes de cada senyal"}},
           {"Con {m} banderas de colores distintos se hacen señales izando {n} en un mástil, una "
            "encima de otra. ¿Cuántas señales distintas se pueden hacer?",
            "el orden en el mástil importa y cada bandera se iza una sola vez",
            {"m es el número de banderas", "n es el número de banderas de cada señal"}}}}},
        {V,
         {{{{3, 10}, {2, 3}}, {{10, 40}, {4, 5}}, {{30, 100}, {5, 10}}}},
         {{{"A hall has {m} free seats and {n} friends arrive. In how many ways can they sit down?",
            "it matters who sits in each seat and each seat takes only one friend",
            {"m is the number of free seats", "n is the number of friends"}},
           {"En una sala queden {m} butaques lliures i arriben {n} amics. De quantes maneres es poden "
            "asseure?",
            "importa qui seu a cada butaca i cada butaca l'ocupa un sol amic",
            {"m és el nombre de butaques lliures", "n és el nombre d'amics"}},
           {"En una sala quedan {m} butacas libres y llegan {n} amigos. ¿De cuántas maneras pueden "
            "sentarse?",
            "importa quién se sienta en cada butaca y cada butaca la ocupa un solo amigo",
            {"m es el número de butacas libres", "n es el número de amigos"}}}}},
        {V,
         {{{{4, 12}, {2, 3}}, {{8, 30}, {3, 5}}, {{20, 50}, {5, 8}}}},
         {{{"In a cooking contest {m} dishes compete and the jury awards {n} different prizes; no dish "
            "may win more than one. In how many ways can the prizes be awarded?",
            "the prizes differ, so order matters, and no dish is repeated",
            {"m is the number of dishes", "n is the number of prizes"}},
           {"A un concurs de cuina es presenten {m} plats i el jurat dona {n} premis diferents; cap "
            "plat no en pot rebre més d'un. De quantes maneres es poden repartir els premis?",
            "els premis són diferents, així que l'ordre importa, i cap plat no es repeteix",
            {"m és el nombre de plats", "n és el nombre de premis"}},
           {"En un concurso de cocina se presentan {m} platos y el jurado da {n} premios distintos; "
            "ningún plato puede recibir más de uno. ¿De cuántas maneras se pueden repartir los premios?",
            "los premios son distintos, así que el orden importa, y ningún plato se repite",
            {"m es el número de platos", "n es el número de premios"}}}}},

        {VR,
         {{{{10, 10}, {2, 3}}, {{10, 10}, {4, 7}}, {{10, 10}, {8, 16}}}},
         {{{"How many passwords of {n} digits are there?",
            "the order of the digits matters and a digit may be repeated",
            {"m is the number of digits possible in each place (0 to 9)",
             "n is the number of digits in the password"}},
           {"Quantes contrasenyes de {n} xifres hi ha?",
            "l'ordre de les xifres importa i una xifra es pot repetir",
            {"m és el nombre de xifres possibles a cada posició (del 0 al 9)",
             "n és el nombre de xifres de la contrasenya"}},
           {"¿Cuántas contraseñas de {n} cifras hay?",
            "el orden de las cifras importa y una cifra puede repetirse",
            {"m es el número de cifras posibles en cada posición (del 0 al 9)",
             "n es el número de cifras de la contraseña"}}}}},
        {VR,
         {{{{2, 2}, {2, 9}}, {{2, 2}, {10, 23}}, {{2, 2}, {24, 64}}}},
         {{{"A coin is tossed {n} times and the sequence of heads and tails is written down. How many "
            "different sequences can come up?",
            "the order of the tosses matters and heads and tails repeat",
            {"m is the number of results of each toss (heads or tails)", "n is the number of tosses"}},
           {"Es llança una moneda {n} vegades i s'anota la seqüència de cares i creus. Quantes "
            "seqüències diferents poden sortir?",
            "l'ordre dels llançaments importa i cara i creu es repeteixen",
            {"m és el nombre de resultats de cada llançament (cara o creu)",
             "n és el nombre de llançaments"}},
           {"Se lanza una moneda {n} veces y se anota la secuencia de caras y cruces. ¿Cuántas "
            "secuencias distintas pueden salir?",
            "el orden de los lanzamientos importa y cara y cruz se repiten",
            {"m es el número de resultados de cada lanzamiento (cara o cruz)",
             "n es el número de lanzamientos"}}}}},
        {VR,
         {{{{6, 6}, {2, 3}}, {{6, 6}, {4, 8}}, {{6, 6}, {9, 30}}}},
         {{{"A die is rolled {n} times and each result is written down in order. How many different "
            "outcomes are possible?",
            "the order of the rolls matters and a number can come up again",
            {"m is the number of faces of the die", "n is the number of rolls"}},
           {"Es llança un dau {n} vegades i s'anota cada resultat en ordre. Quants resultats diferents "
            "són possibles?",
            "l'ordre de les tirades importa i un número pot tornar a sortir",
            {"m és el nombre de cares del dau", "n és el nombre de tirades"}},
           {"Se lanza un dado {n} veces y se anota cada resultado en orden. ¿Cuántos resultados "
            "distintos son posibles?",
            "el orden de las tiradas importa y un número puede volver a salir",
            {"m es el número de caras del dado", "n es el número de tiradas"}}}}},
        {VR,
         {{{{2, 4}, {2, 5}}, {{3, 5}, {7, 10}}, {{4, 5}, {12, 40}}}},
         {{{"A multiple-choice test has {n} questions with {m} possible answers each. In how many "
            "different ways can it be answered, if every question is answered?",
            "each question is a different place and an answer may be repeated",
            {"m is the number of answers to each question", "n is the number of questions"}},
           {"Un examen tipus test té {n} preguntes amb {m} respostes possibles cadascuna. De quantes "
            "maneres diferents es pot contestar, si es responen totes?",
            "cada pregunta és una posició diferent i una resposta es pot repetir",
            {"m és el nombre de respostes de cada pregunta", "n és el nombre de preguntes"}},
           {"Un examen tipo test tiene {n} preguntas con {m} respuestas posibles cada una. ¿De cuántas "
            "maneras distintas se puede contestar, si se responden todas?",
            "cada pregunta es una posición distinta y una respuesta puede repetirse",
            {"m es el número de respuestas de cada pregunta", "n es el número de preguntas"}}}}},
        {VR,
         {{{{2, 5}, {2, 4}}, {{4, 8}, {5, 7}}, {{6, 10}, {8, 10}}}},
         {{{"A ship has flags of {m} colours, many of each, and signals by hoisting {n} flags one above "
            "another. How many different signals can it make?",
            "the order on the mast matters and a colour may be repeated",
            {"m is the number of colours", "n is the number of flags in each signal"}},
           {"Un vaixell té banderes de {m} colors, moltes de cada color, i fa senyals hissant {n} "
            "banderes una damunt de l'altra. Quants senyals diferents pot fer?",
            "l'ordre al pal importa i un color es pot repetir",
            {"m és el nombre de colors", "n és el nombre de banderes de cada senyal"}},
           {"Un barco tiene banderas de {m} colores, muchas de cada color, y hace señales izando {n} "
            "banderas una encima de otra. ¿Cuántas señales distintas puede hacer?",
            "el orden en el mástil importa y un color puede repetirse",
            {"m es el número de colores", "n es el número de banderas de cada señal"}}}}},
        {VR,
         {{{{2, 4}, {2, 5}}, {{3, 6}, {6, 9}}, {{5, 8}, {10, 30}}}},
         {{{"A canteen offers {m} different menus every day. In how many ways can a pupil choose their "
            "menu over {n} days?",
            "it matters which menu is eaten on which day and a menu may be repeated",
            {"m is the number of menus", "n is the number of days"}},
           {"Un menjador ofereix cada dia {m} menús diferents. De quantes maneres pot un alumne triar el "
            "seu menú durant {n} dies?",
            "importa quin menú es menja cada dia i un menú es pot repetir",
            {"m és el nombre de menús", "n és el nombre de dies"}},
           {"Un comedor ofrece cada día {m} menús distintos. ¿De cuántas maneras puede un alumno "
            "escoger su menú durante {n} días?",
            "importa qué menú se come cada día y un menú puede repetirse",
            {"m es el número de menús", "n es el número de días"}}}}},
    };
}

} // namespace tarvi::exercises
