#include "cli/batch.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "cli/batch_row.h"

namespace corvane {
namespace {

// Rows travel in chunks: small enough that output follows input closely,
// large enough that handing them over costs little.
constexpr std::size_t kChunkRows = 256;
// A chunk also ends once this much input went into it, so that long rows
// cannot make the chunks in flight large.
constexpr long long kChunkInputBytes = 1 << 20;
// The rows read and not yet written, input and output together, stay
// below this whatever the number of workers: a slow reader of the output
// holds the input back instead of letting memory grow.
constexpr long long kMaxBytesInFlight = 64LL << 20;
// A field that grew beyond this for a long row gives its memory back.
constexpr std::size_t kKeptFieldCapacity = 1 << 16;

struct Chunk {
  std::vector<CsvRecord> records;
  std::size_t count = 0;
  long long bytesReadAfter = 0;
  long long inputBytes = 0;
  std::string output;
  bool allOk = true;  // every row's status ok
  bool done = false;
};

// Fills `chunk` from the reader; false when the input has ended. A chunk
// goes out early when the reader would have to wait for more input, so
// rows that trickle in are answered as they come.
bool FillChunk(CsvReader& reader, Chunk& chunk) {
  chunk.count = 0;
  if (chunk.output.capacity() > 4 * static_cast<std::size_t>(kChunkInputBytes)) std::string().swap(chunk.output);
  chunk.output.clear();
  chunk.allOk = true;
  chunk.done = false;
  bool more = true;
  const long long start = reader.BytesRead();
  while (chunk.count < kChunkRows) {
    if (chunk.count > 0 && (reader.NeedsInput() || reader.BytesRead() - start > kChunkInputBytes)) break;
    if (chunk.records.size() <= chunk.count) chunk.records.emplace_back();
    for (std::string& field : chunk.records[chunk.count].fields)
      if (field.capacity() > kKeptFieldCapacity) std::string().swap(field);
    if (!reader.Next(chunk.records[chunk.count])) {
      more = false;
      break;
    }
    ++chunk.count;
  }
  chunk.bytesReadAfter = reader.BytesRead();
  chunk.inputBytes = chunk.bytesReadAfter - start;
  return more;
}

void ProcessChunk(BatchRowWorker& worker, Chunk& chunk) {
  for (std::size_t i = 0; i < chunk.count; ++i)
    if (worker.Process(chunk.records[i], chunk.output) != RowStatus::Ok) chunk.allOk = false;
}

// One thread reads, `jobs` workers run chunks, one thread writes them in
// input order; at most a few chunks per worker are in flight.
class Pipeline {
 public:
  Pipeline(const BatchPlan& plan, unsigned jobs, CsvReader& reader, BatchStreams& streams)
      : plan_(plan), jobs_(jobs), reader_(reader), streams_(streams) {}

  // False when writing failed.
  bool Run(bool& allOk) {
    std::vector<std::thread> workers;
    for (unsigned i = 0; i < jobs_; ++i) workers.emplace_back([this] { Work(); });
    std::thread writer([this] { Write(); });
    for (bool more = true; more;) {
      Chunk* chunk = FreeChunk();
      if (chunk == nullptr) break;  // writing failed
      more = FillChunk(reader_, *chunk);
      std::lock_guard lock(mutex_);
      bytesInFlight_ += chunk->inputBytes;
      order_.push_back(chunk);
      todo_.push_back(chunk);
      changed_.notify_all();
    }
    {
      std::lock_guard lock(mutex_);
      inputDone_ = true;
      changed_.notify_all();
    }
    for (std::thread& worker : workers) worker.join();
    writer.join();
    allOk = allOk_;
    return !writeFailed_;
  }

 private:
  Chunk* FreeChunk() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] {
      return writeFailed_ || order_.empty() ||
             (bytesInFlight_ < kMaxBytesInFlight && (!free_.empty() || chunks_.size() < 2 * jobs_ + 2));
    });
    if (writeFailed_) return nullptr;
    if (free_.empty()) {
      chunks_.push_back(std::make_unique<Chunk>());
      return chunks_.back().get();
    }
    Chunk* chunk = free_.back();
    free_.pop_back();
    return chunk;
  }

  void Work() {
    // A worker's calculator is made when it first has a chunk to run: of
    // many workers, those the rows in flight never reach cost nothing.
    std::optional<BatchRowWorker> worker;
    for (;;) {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return writeFailed_ || !todo_.empty() || inputDone_; });
      if (writeFailed_ || todo_.empty()) return;
      Chunk* chunk = todo_.front();
      todo_.pop_front();
      lock.unlock();
      if (!worker) worker.emplace(plan_);
      ProcessChunk(*worker, *chunk);
      lock.lock();
      bytesInFlight_ += static_cast<long long>(chunk->output.size());
      chunk->done = true;
      changed_.notify_all();
    }
  }

  void Write() {
    long long rows = 0;
    for (;;) {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return (!order_.empty() && order_.front()->done) || (inputDone_ && order_.empty()); });
      if (order_.empty()) return;
      Chunk* chunk = order_.front();
      order_.pop_front();
      lock.unlock();
      const bool written = streams_.write(chunk->output);
      rows += static_cast<long long>(chunk->count);
      if (streams_.progress) streams_.progress(rows, chunk->bytesReadAfter);
      lock.lock();
      allOk_ = allOk_ && chunk->allOk;
      bytesInFlight_ -= chunk->inputBytes + static_cast<long long>(chunk->output.size());
      free_.push_back(chunk);
      if (!written) {
        writeFailed_ = true;
        order_.clear();
        todo_.clear();
      }
      changed_.notify_all();
      if (writeFailed_) return;
    }
  }

  const BatchPlan& plan_;
  unsigned jobs_;
  CsvReader& reader_;
  BatchStreams& streams_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::unique_ptr<Chunk>> chunks_;
  std::vector<Chunk*> free_;
  std::deque<Chunk*> order_;  // read, not yet written, in input order
  std::deque<Chunk*> todo_;   // read, not yet taken by a worker
  bool inputDone_ = false;
  bool writeFailed_ = false;
  bool allOk_ = true;
  long long bytesInFlight_ = 0;  // input and output of the chunks in order_
};

// One worker on this thread: read, run, write, chunk after chunk.
bool RunInline(const BatchPlan& plan, CsvReader& reader, BatchStreams& streams, bool& allOk) {
  BatchRowWorker worker(plan);
  Chunk chunk;
  long long rows = 0;
  for (bool more = true; more;) {
    more = FillChunk(reader, chunk);
    ProcessChunk(worker, chunk);
    allOk = allOk && chunk.allOk;
    if (!streams.write(chunk.output)) return false;
    rows += static_cast<long long>(chunk.count);
    if (streams.progress) streams.progress(rows, chunk.bytesReadAfter);
  }
  return true;
}

// The separator of a header read with commas: a header with no comma but
// a semicolon or a tab (as spreadsheets write them in many countries) uses
// that one.
char DetectedDelimiter(const CsvRecord& header) {
  if (header.fieldCount != 1 || header.fields.empty()) return ',';
  const std::string& only = header.fields[0];
  if (only.find(';') != std::string::npos) return ';';
  if (only.find('\t') != std::string::npos) return '\t';
  return ',';
}

// `header`'s one field read again with `delimiter`.
CsvRecord SplitAgain(const CsvRecord& header, char delimiter) {
  const std::string text = header.fields[0];
  CsvReader reader(ReadFromMemory(text), kMaxRowBytes, kMaxRowFields);
  reader.SetDelimiter(delimiter);
  CsvRecord split;
  if (!reader.Next(split)) return header;
  split.line = header.line;
  return split;
}

}  // namespace

int RunBatch(const BatchSettings& settings, BatchStreams& streams, std::string& error) {
  CsvReader reader(streams.read, kMaxRowBytes, kMaxRowFields);
  if (settings.delimiter != 0) reader.SetDelimiter(settings.delimiter);
  CsvRecord header;
  if (!reader.Next(header)) {
    error = reader.ReadFailed() ? "cannot read the input" : "no header row";
    return 2;
  }
  char delimiter = settings.delimiter;
  if (delimiter == 0) {
    delimiter = DetectedDelimiter(header);
    if (delimiter != ',') {
      header = SplitAgain(header, delimiter);
      reader.SetDelimiter(delimiter);
    }
  }
  BatchPlan plan;
  if (const auto fault = MakeBatchPlan(header, delimiter, settings, plan)) {
    error = *fault;
    return 2;
  }
  if (streams.open) {
    if (const auto fault = streams.open()) {
      error = *fault;
      return 2;
    }
  }
  if (!plan.ownColumns.empty() && streams.notice) {
    std::string names;
    for (const std::string& name : plan.ownColumns) names += (names.empty() ? "" : ", ") + name;
    streams.notice("columns of your own, carried through unchanged: " + names);
  }
  if (!streams.write(OutputHeader(plan))) {
    error = "cannot write the output";
    return 2;
  }
  bool allOk = true;
  const bool written = settings.jobs <= 1 ? RunInline(plan, reader, streams, allOk)
                                          : Pipeline(plan, settings.jobs, reader, streams).Run(allOk);
  if (!written) {
    error = "cannot write the output";
    return 2;
  }
  if (reader.ReadFailed()) {
    error = "cannot read the input";
    return 2;
  }
  return allOk ? 0 : 1;
}

}  // namespace corvane
