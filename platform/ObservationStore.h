#pragma once
// The observations kept on this computer: an SQLite database in the user's data folder. Every
// change is one transaction, so a failure leaves the file as it was; a file that is busy,
// damaged or read-only is never replaced or deleted, only reported.
#include "observation/Observation.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

inline constexpr const char* kObservationStoreFile = "observaciones.sqlite";

// What the list of saved observations shows of each.
struct ObservationSummary {
    std::int64_t id = 0;
    CivilDate evening;
    CivilDate morning;
    std::string site;
    std::string observer;
    int periods = 0;
};

class ObservationStore {
  public:
    // Opens the database, creating or upgrading it; a second program writing the same file is
    // waited for up to `wait`. Raises the program's error when the file cannot be used.
    explicit ObservationStore(const std::filesystem::path& file,
                              std::chrono::milliseconds wait = std::chrono::seconds(5));
    ~ObservationStore();
    ObservationStore(const ObservationStore&) = delete;
    ObservationStore& operator=(const ObservationStore&) = delete;

    const std::string& path() const { return path_; }

    // Newest night first.
    std::vector<ObservationSummary> list();
    Observation load(std::int64_t id);
    // Keeps a new observation (id 0) or replaces the one of its id; returns the id.
    std::int64_t save(const Observation& observation);
    // Keeps every one as a new observation, all or none.
    std::vector<std::int64_t> saveNew(const std::vector<Observation>& observations);
    // A new observation equal to the given one; returns its id.
    std::int64_t copy(std::int64_t id);
    void remove(std::int64_t id);

  private:
    std::int64_t write(const Observation& observation);
    Observation read(std::int64_t id);

    std::string path_;
    QString connection_;
};

std::filesystem::path ObservationStorePath(const std::string& dataDir);
