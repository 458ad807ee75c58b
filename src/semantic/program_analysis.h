// The entry of the analysis: the registration passes and the checks of every non-generic body.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "semantic/analyser.h"
#include "semantic/analysis_error.h"
#include "syntax_tree/declaration.h"

namespace тувра {

// функции_модулей replaces the analyser's; имена_модулей holds one entry per item (absent for
// the main file). The first error of any pass ends the analysis.
ИтогПроверки анализировать_программу(Анализатор& анализатор, const Программа& программа, ФункцииМодулей функции_модулей,
                                     const std::vector<std::optional<std::string>>& имена_модулей);

}  // namespace тувра
