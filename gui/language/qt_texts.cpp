// Texts of Qt's own file and print dialogs that our catalogues word
// otherwise than Qt's: Spanish says "archivo" where Qt's says "fichero", and
// French takes a no-break space before ":" and « » around a name, as the
// glossary has it. Our catalogue is installed after Qt's, so it is asked
// first; lupdate finds the texts here, under Qt's own contexts.

#include <QtGlobal>

namespace cv {
namespace {

struct QtText {
    const char* context;
    const char* source;
};

[[maybe_unused]] constexpr QtText kQtTextsWeWord[] = {
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "File &name:")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Files of type:")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Look in:")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Directory:")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "All Files (*)")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Show &hidden files")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "%1 already exists.\nDo you want to replace it?")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "Are you sure you want to delete '%1'?")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "Invalid filename")},
    {"QFileSystemModel", QT_TRANSLATE_NOOP("QFileSystemModel", "<b>The name \"%1\" can not be used.</b><p>Try using another name, with fewer characters or no punctuations marks.")},
    {"QPrintDialog", QT_TRANSLATE_NOOP("QPrintDialog", "Print To File ...")},
    {"QPrintDialog", QT_TRANSLATE_NOOP("QPrintDialog", "%1 is a directory.\nPlease choose a different file name.")},
    {"QPrintDialog", QT_TRANSLATE_NOOP("QPrintDialog", "File %1 is not writable.\nPlease choose a different file name.")},
    {"QPrintDialog", QT_TRANSLATE_NOOP("QPrintDialog", "%1 already exists.\nDo you want to overwrite it?")},
    {"QPrintWidget", QT_TRANSLATE_NOOP("QPrintWidget", "&Name:")},
    {"QPrintWidget", QT_TRANSLATE_NOOP("QPrintWidget", "Type:")},
    {"QPrintWidget", QT_TRANSLATE_NOOP("QPrintWidget", "Location:")},
    {"QPrintWidget", QT_TRANSLATE_NOOP("QPrintWidget", "Output &file:")},
    {"QPrintSettingsOutput", QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Copies:")},
    {"QPrintSettingsOutput", QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Page Set:")},
    {"QPageSetupWidget", QT_TRANSLATE_NOOP("QPageSetupWidget", "Page size:")},
    {"QPageSetupWidget", QT_TRANSLATE_NOOP("QPageSetupWidget", "Width:")},
    {"QPageSetupWidget", QT_TRANSLATE_NOOP("QPageSetupWidget", "Height:")},
    {"QPageSetupWidget", QT_TRANSLATE_NOOP("QPageSetupWidget", "Paper source:")},
    {"QPageSetupWidget", QT_TRANSLATE_NOOP("QPageSetupWidget", "Pages per sheet:")},
    {"QPageSetupWidget", QT_TRANSLATE_NOOP("QPageSetupWidget", "Page order:")},
};

}  // namespace
}  // namespace cv
