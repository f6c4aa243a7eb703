#pragma once

namespace sarvo {

class SaveDialog;
class TFormPrint;
class TFormSarvo;

// The reports of the main window, over what it shows at the moment (its view state).

// The text export (mnu_SaveAsTextClick): asks for a file in `dialog` and writes into it the list
// of persons, or, with the history table shown, the history of the selected person as the table
// lists it (under the filter), titled with status panel 0. Not available in the chart view.
// Failures are shown to the officer; what was written before one stays in the file.
void saveShownAsText(TFormSarvo& main, SaveDialog& dialog);

// Prepares the print window (mnu_PrintClick, before it is opened): the listing of the list of
// persons or of the history table as the grids show them, or the chart of the selected person
// rebuilt from the files under the filter with the screen chart's axis ranges. False when the
// chart's readings could not be read; the failure has been shown and the window is not to open.
bool preparePrint(TFormSarvo& main, TFormPrint& window);

} // namespace sarvo
