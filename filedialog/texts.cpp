#include "filedialog/texts.h"

namespace tarvi {

const std::array<DialogTexts, 3> TxtsDlg = {{
    {"Open", "Save", "Name", "Type", "Cancel", "To the last visited folder", "To up one level", "Open folder",
     "New folder", "New folder", "This folder cannot be shown; it no longer exists or cannot be read:",
     "The folder cannot be made:", "The file cannot be erased:", "Erase file",
     "The program could not be started:"},
    {"Obrir", "Guardar", "Nom", "Tipus", "Cancel·la", "A l'anterior carpeta visitada", "Pujar-ne un nivell",
     "Obrir carpeta", "Crear carpeta nova", "Carpeta nova",
     "No es pot mostrar aquesta carpeta; ja no existeix o no es pot llegir:", "No es pot crear la carpeta:",
     "No es pot esborrar el fitxer:", "Esborrar fitxer", "No s'ha pogut iniciar el programa:"},
    {"Abrir", "Guardar", "Nombre", "Tipo", "Cancelar", "A la anterior carpeta visitada", "Subir un nivel",
     "Abrir carpeta", "Crear nueva carpeta", "Nueva carpeta",
     "No se puede mostrar esta carpeta; ya no existe o no se puede leer:", "No se puede crear la carpeta:",
     "No se puede borrar el archivo:", "Borrar archivo", "No se ha podido iniciar el programa:"},
}};

const DialogTexts& dialogTexts(platform::Language language) { return TxtsDlg[platform::column(language)]; }

} // namespace tarvi
