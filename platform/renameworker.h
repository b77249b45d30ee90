#pragma once

#include <QStringView>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Makes batches of moves on a thread of its own, so that the thread of a pass can prepare
// the next batch (and write its journal entries) while the kernel makes the moves of this
// one. The moves of a batch are made in order, each with renameat2(RENAME_NOREPLACE) alone
// (nothing is ever replaced; the callers hand it only moves in folders whose file system
// takes the flag, MoveLadder's first rung); the first move that fails ends the batch,
// and so does the stop flag, read before each move. One batch at a time.
//
// A move within one folder is made relative to that folder, opened once for the moves
// after it in the same folder: the kernel then looks up two names instead of walking both
// full paths (a few per cent of each move for a folder three levels down).
class RenameWorker {
public:
    class Batch {
    public:
        // Adds a move, its paths in the file system's encoding. False (nothing added) when
        // a path cannot be passed to the kernel as it is (it holds a NUL).
        bool add(QStringView source, QStringView target);
        // Keeps the first count moves.
        void truncate(size_t count);
        size_t size() const { return moves_.size(); }

        // When the batch is done: the moves made (the first `made`), and the errno of the
        // move after them when that move failed (0 when all were made or the stop flag
        // ended the batch).
        size_t made = 0;
        int error = 0;

    private:
        friend class RenameWorker;
        struct Move {
            size_t source;      // where the source starts in paths_ (its target follows it)
            size_t folderBytes; // the bytes of the folder both paths share, its slash included; 0 if none
        };
        std::string paths_; // each move's source then its target, each ended by NUL
        std::vector<Move> moves_;
        void run(const std::atomic<bool>& stop);
    };

    explicit RenameWorker(const std::atomic<bool>& stop);
    ~RenameWorker();
    RenameWorker(const RenameWorker&) = delete;
    RenameWorker& operator=(const RenameWorker&) = delete;

    // Hands a batch over; it must stay alive until wait() returns.
    void start(Batch& batch);
    // Returns when the batch handed over is done (at once when none is).
    void wait();

private:
    void loop();

    const std::atomic<bool>& stop_;
    std::mutex mutex_;
    std::condition_variable changed_;
    Batch* batch_ = nullptr; // handed over and not done
    bool quit_ = false;
    std::thread thread_;
};
