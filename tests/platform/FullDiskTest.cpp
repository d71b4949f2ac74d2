// Writes onto a disk with no room left, made by full_disk_test.sh (a small tmpfs): every
// writer keeps the older file and says in Spanish that the disk is full.
#include "platform/DataLocation.h"
#include "platform/PdfFile.h"
#include "platform/PictureFile.h"
#include "render/Canvas.h"
#include "sky/Errors.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Fills the disk, then frees `room` bytes, so a write fails part way.
void fill(const fs::path& dir, std::size_t room) {
    const fs::path filler = dir / "relleno";
    std::ofstream out(filler, std::ios::binary);
    const std::string block(4096, 'x');
    while (out.write(block.data(), static_cast<std::streamsize>(block.size())))
        ;
    out.close();
    fs::resize_file(filler, fs::file_size(filler) - room);
}

std::string text(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(FullDisk, EveryWriterKeepsTheOlderFileAndSaysTheDiskIsFull) {
    const char* where = std::getenv("VELUMBRA_FULL_DISK");
    if (!where)
        GTEST_SKIP() << "run by full_disk_test.sh on a small disk";
    const fs::path dir(where);
    std::ofstream(dir / "plan.pdf") << "el plan de ayer";
    std::ofstream(dir / "carta.bmp") << "la carta de ayer";
    fill(dir, 8192);

    EXPECT_THROW(WritePdfFile(QString::fromStdString((dir / "plan.pdf").string()),
                              [](Printer& printer) {
                                  printer.beginDoc();
                                  for (int line = 0; line < 4000; ++line)
                                      printer.canvas().TextOut(100, 100 + line,
                                                               "linea " + std::to_string(line));
                                  printer.endDoc();
                                  return true;
                              }),
                 VelumbraError);
    EXPECT_TRUE(text(dir / "plan.pdf") == "el plan de ayer") << "the older PDF was replaced";

    QImage chart(1500, 1500, QImage::Format_RGB32);
    chart.fill(Qt::white);
    try {
        SavePicture(chart, (dir / "carta.bmp").string());
        ADD_FAILURE() << "a picture was written onto a full disk";
    } catch (const VelumbraError& e) {
        EXPECT_NE(std::string(e.what()).find("el disco está lleno"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(text(dir / "carta.bmp") == "la carta de ayer") << "the older picture was replaced";

    const fs::path user = dir / "velumbra";
    const DataLocation found = LocateData({dir / "vacia", user, VELUMBRA_DATA_DIR});
    EXPECT_TRUE(found.dir.empty());
    EXPECT_NE(found.message.find("el disco está lleno"), std::string::npos) << found.message;
    EXPECT_NE(found.message.find((user / "festrella").string()), std::string::npos)
        << found.message;
    for (const auto& entry : fs::directory_iterator(dir))
        EXPECT_EQ(entry.path().filename().string().find(".velumbra-"), std::string::npos)
            << entry.path();
}
