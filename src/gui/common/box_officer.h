#pragma once

#include "core/link/dosimeter_link.h"

namespace sarvo {

// The dosimeter link's questions and notices as real modal message boxes.
class BoxOfficer final : public Officer {
public:
    void information(const QString& text) override;
    void error(const QString& text) override;
    bool warningQuestion(const QString& text) override;
    void warning(const QString& text) override;
};

} // namespace sarvo
