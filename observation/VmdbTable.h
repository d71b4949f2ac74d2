#pragma once
// One VMDB file read into rows of fields under its header's column names (lower case, an
// underscore read as a blank). Every reader names the file, line and column of a bad value.
#include "observation/VmdbImport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class VmdbTable {
  public:
    // Throws VmdbError for an empty file or a quote left open.
    explicit VmdbTable(const VmdbText& file);

    const std::string& name() const { return name_; }
    bool has(const std::string& column) const;
    // Throws unless every column is in the header.
    void require(const std::vector<std::string>& columns) const;
    std::size_t rows() const { return rows_.size(); }

    // The field as written, empty when the column or the field is missing.
    std::string text(std::size_t row, const std::string& column) const;
    std::int64_t id(std::size_t row, const std::string& column) const; // a whole number > 0
    double number(std::size_t row, const std::string& column) const;
    std::optional<double> optionalNumber(std::size_t row, const std::string& column) const;
    std::int64_t time(std::size_t row, const std::string& column) const; // UT
    int count(std::size_t row, const std::string& column) const;
    double magnitudeCount(std::size_t row, const std::string& column) const; // empty is 0

    [[noreturn]] void fail(std::size_t row, const std::string& column,
                           const std::string& what) const;

  private:
    int columnOf(const std::string& column) const;
    std::string required(std::size_t row, const std::string& column) const;

    struct Row {
        int line;
        std::vector<std::string> fields;
    };
    std::string name_;
    std::vector<std::string> header_;
    std::vector<Row> rows_;
};
