#include "gui/common/box_officer.h"

#include "gui/common/message_boxes.h"

namespace sarvo {

void BoxOfficer::information(const QString& text) {
    infoBox(text);
}

void BoxOfficer::error(const QString& text) {
    errorBox(text);
}

bool BoxOfficer::warningQuestion(const QString& text) {
    return sarvo::warningQuestion(text);
}

void BoxOfficer::warning(const QString& text) {
    warningBox(text);
}

} // namespace sarvo
