#pragma once

#include "core/store/store_error.h"
#include "gui/common/message_boxes.h"

#include <utility>

class QWidget;

namespace sarvo {

// Runs a store operation for a window: a StoreError (DataBusyError among them) is shown in an
// error box over `parent` with the store's own text, after `undo` has put back what the window
// showed before the operation. True when the operation ran to its end.
template <class Operation, class Undo>
bool runStore(QWidget* parent, Operation&& operation, Undo&& undo) {
    try {
        std::forward<Operation>(operation)();
        return true;
    } catch (const StoreError& error) {
        std::forward<Undo>(undo)();
        errorBox(error.text(), parent);
        return false;
    }
}

template <class Operation> bool runStore(QWidget* parent, Operation&& operation) {
    return runStore(parent, std::forward<Operation>(operation), [] {});
}

} // namespace sarvo
