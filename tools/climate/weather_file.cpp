#include "weather_file.h"

namespace heatwise::climate {

HourlyWeather ReadWeatherFile(const std::filesystem::path& path) {
    throw WeatherFileError(path.filename().string() + ": weather files cannot be read yet");
}

}  // namespace heatwise::climate
