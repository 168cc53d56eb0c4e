#include "climate_derivation.h"

namespace heatwise::climate {

int TenthsCelsiusToFahrenheit(int) {
    return 0;
}
int BinOfFahrenheit(int) {
    return 1;
}
int ShiftOfHour(int) {
    return 1;
}

StationClimate DeriveStationClimate(const HourlyWeather& weather) {
    throw WeatherFileError(weather.source + ": climate derivation is not available yet");
}

std::string FormatBinRecord(const StationClimate&) {
    return "\n";
}
std::string FormatDesignRecord(const StationClimate&) {
    return "\n";
}

}  // namespace heatwise::climate
