#include "bare_libburn_write.h"

#include <libburn/libburn.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace pelimor::bench {

double bareLibburnWrite(const std::string &image, const std::string &target)
{
    using namespace burn;
    if (burn_initialize() != 1)
        throw std::runtime_error("burn_initialize failed");
    burn_msgs_set_severities(const_cast<char *>("NEVER"), const_cast<char *>("SORRY"), const_cast<char *>("bare: "));
    std::string address = "stdio:" + target;
    burn_drive_info *info = nullptr;
    if (burn_drive_scan_and_grab(&info, address.data(), 0) != 1)
        throw std::runtime_error("cannot grab " + address);
    burn_drive *drive = info[0].drive;

    burn_source *file = burn_file_source_new(image.c_str(), nullptr);
    if (!file)
        throw std::runtime_error("cannot open " + image);
    burn_source *fifo = burn_fifo_source_new(file, 2048, 2048, 0);
    burn_track *track = burn_track_create();
    burn_track_define_data(track, 0, 0, 1, BURN_MODE1);
    burn_track_set_source(track, fifo);
    burn_session *session = burn_session_create();
    burn_session_add_track(session, track, BURN_POS_END);
    burn_disc *disc = burn_disc_create();
    burn_disc_add_session(disc, session, BURN_POS_END);
    burn_write_opts *options = burn_write_opts_new(drive);
    burn_write_opts_set_perform_opc(options, 1);
    burn_write_opts_set_multi(options, 0);
    burn_write_opts_set_underrun_proof(options, 1);
    burn_write_opts_set_simulate(options, 0);
    char reasons[BURN_REASONS_LEN] = {};
    if (burn_write_opts_auto_write_type(options, disc, reasons, 0) == BURN_WRITE_NONE)
        throw std::runtime_error(std::string("no write type: ") + reasons);
    burn_drive_set_speed(drive, 0, 0);

    const auto start = std::chrono::steady_clock::now();
    burn_disc_write(options, disc);
    while (burn_drive_get_status(drive, nullptr) != BURN_DRIVE_IDLE)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const bool wroteWell = burn_drive_wrote_well(drive) == 1;

    burn_write_opts_free(options);
    burn_disc_free(disc);
    burn_session_free(session);
    burn_track_free(track);
    burn_source_free(fifo);
    burn_source_free(file);
    burn_drive_release(drive, 0);
    burn_drive_info_free(info);
    burn_finish();
    if (!wroteWell)
        throw std::runtime_error("libburn reported a failed write");
    return seconds;
}

} // namespace pelimor::bench
