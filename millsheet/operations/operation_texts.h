#pragma once
// How the values of an operation, its tool and its tool assembly are written into the
// operations table.

#include <optional>
#include <string>
#include <string_view>

namespace qvl::millsheet {

// The operation types that are no machining and never get a row.
bool IsExcludedOperationType(std::string_view operationType);

// The tool attribute that holds the diameter: APT tools keep it apart from the nominal one.
std::string DiameterAttributeName(std::string_view toolType);

// The leading number of an attribute text ("10mm" -> "10", "0.50mm" -> "0.5"), in its shortest
// general form; a text without a leading number gives "0".
std::string NumberText(std::string_view attributeText);

// Diameter and corner radius from the texts of their attributes, nullopt for an attribute that
// could not be read: "D10/R0.5"; an unreadable diameter shows "??", an unreadable radius
// nothing ("??/" at worst).
std::string DiameterRadiusText(const std::optional<std::string>& diameter, const std::optional<std::string>& radius);

// The cutting length (its leading number) and the assembly's gauge length (as it stands),
// separated by "//"; an unreadable part is left empty ("30//75", "//75", "30//").
std::string LengthsText(const std::optional<std::string>& cuttingLength, const std::optional<std::string>& gauge);

// A machining time rounded to two decimals, halves to even, always with two decimals
// (0.125 -> "0.12", 3 -> "3.00").
std::string MachiningTimeText(double totalTime);

// The text of a sum of times in its shortest general form (4.25, 12.5, 0).
std::string TimeSumText(double sum);

}  // namespace qvl::millsheet
