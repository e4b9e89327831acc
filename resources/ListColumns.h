#pragma once

#include <span>

#include "resources/StringIds.h"

// The columns of the report lists, beside the templates that hold the lists: a header from
// the string table and a width in pixels of the classic dialog font, which the backend
// scales to the font in use and widens where a header or cell needs more.
namespace lanvane {

struct ListColumnTemplate {
    int headerId;
    int width;
};

namespace columns {

inline constexpr ListColumnTemplate kDeviceList[] = {
    {sid::kColumnNo, 30},      {sid::kColumnMacAddress, 140}, {sid::kColumnIpAddress, 130},
    {sid::kColumnSubnet, 130}, {sid::kColumnGateway, 130},    {sid::kColumnPort, 70},
    {sid::kColumnVersion, 70},
};

inline constexpr ListColumnTemplate kBssDialog[] = {
    {sid::kColumnNo, 30},    {sid::kColumnSsid, 140}, {sid::kColumnBssid, 150},
    {sid::kColumnMode, 100}, {sid::kColumnRssi, 60},  {sid::kColumnSecurity, 110},
};

// The page's own header for the mode is "MODE"; the BSS information dialog's is "Mode".
inline constexpr ListColumnTemplate kBssPage[] = {
    {sid::kColumnNo, 30},         {sid::kColumnSsid, 120}, {sid::kColumnBssid, 120},
    {sid::kColumnModeUpper, 80},  {sid::kColumnRssi, 50},  {sid::kColumnSecurity, 100},
};

inline constexpr ListColumnTemplate kSummary[] = {
    {sid::kColumnNo, 30},
    {sid::kColumnName, 180},
    {sid::kColumnValue, 260},
};

}  // namespace columns
}  // namespace lanvane
