#pragma once

namespace sarvo {

class SaveDialog;
class TFormPrint;
class TFormSarvo;

// The reports of the main window, over what it shows at the moment (its view state).

// The text export (mnu_SaveAsTextClick): asks for a file in `dialog` and writes into it the list
// of persons, or, with the history table shown, the history of the person the table holds as it
// lists it (under the filter), titled with that person's record as read now. Not available in
// the chart view. When the list no longer shows that person (the file was changed by another
// program), nothing is written. Failures are shown to the officer; what was written before one
// stays in the file.
void saveShownAsText(TFormSarvo& main, SaveDialog& dialog);

// Prepares the print window (mnu_PrintClick, before it is opened): the listing of the list of
// persons or of the history table as the grids show them, or the chart of the person it holds
// rebuilt from the files under the filter with the screen chart's axis ranges; a history is
// titled with the record of its person. False when the person's record or the chart's readings
// could not be read, or the list no longer shows that person; the officer has been told and the
// window is not to open.
bool preparePrint(TFormSarvo& main, TFormPrint& window);

} // namespace sarvo
