// A whole source tree in one command (-o DIR PATH...).
//
// The parent walks the PATHs, plans every chart path (refusing one that
// another source already takes or that names a source), and hands the
// files out to -j worker processes.  A worker makes exactly the one-file
// conversion of each file it is given, one after another, and clears the
// workspace's state after each, as a fresh process has it; starting a
// process per file cost more than converting most files.  A fatal problem
// ends the worker with its file (the one-file program ends there too); the
// next file goes to a fresh worker.  Workers send their message lines and
// their report (warnings, program units, status) over a pipe; the parent
// alone writes to standard error, a file's lines together, each line whole.
#include <poll.h>
#include <sched.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/cli_convert.h"
#include "app/cli_messages.h"
#include "app/tree_index.h"
#include "app/tree_progress.h"
#include "app/tree_walk.h"
#include "app/workspace_memory.h"
#include "chart/chart_model.h"
#include "classify/statement_records.h"
#include "driver/messages.h"
#include "driver/workspace.h"

namespace {

struct TreeJob {
  std::string source;
  std::string chart;           // the path it is written to
  std::string chart_relative;  // under the output folder, for the index
  std::string refusal;         // the message line when it is refused before any conversion
};

// ---- The worker's side ----

// Records on the pipe: a kind byte, a length of four bytes, the bytes.
enum RecordKind : char { kRecordLine = 'L', kRecordWarnings = 'W', kRecordUnit = 'U', kRecordDone = 'D' };

int report_descriptor = -1;
// A file's records, sent in one write when it is over: one wake-up of the
// parent per file, not one per record.
std::string pending_records;

void send_record(RecordKind kind, const std::string& bytes) {
  pending_records += kind;
  const std::uint32_t length = static_cast<std::uint32_t>(bytes.size());
  pending_records.append(reinterpret_cast<const char*>(&length), sizeof length);
  pending_records += bytes;
}

void send_pending_records() {
  write_all(report_descriptor, pending_records);
  pending_records.clear();
}

void send_line(const std::string& line) { send_record(kRecordLine, line); }

void send_warning_count() { send_record(kRecordWarnings, std::to_string(warning_count())); }

// What a worker sends after a fatal message, just before it ends.
void send_fatal_end() {
  send_warning_count();
  send_pending_records();
}

// The unit's statement as the index names it: its words before the
// argument list, blanks run together.
std::string unit_name(const char* text) {
  std::string name;
  for (const char* c = text; *c != '\0' && *c != '(' && *c != '\n' && *c != '!'; ++c) {
    const bool blank = *c == ' ' || *c == '\t' || *c == '\r';
    if (blank) {
      if (!name.empty() && name.back() != ' ') name += ' ';
    } else {
      name += *c;
    }
  }
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

void send_units() {
  for (std::uint32_t row = 0; row < ws.building.chart_row_count; ++row) {
    if (!row_opens_unit(row)) continue;
    const std::uint32_t record = row_statement(row);
    if (record != kNoRecord) send_record(kRecordUnit, unit_name(statement_text(ws.records.statement_table[record])));
  }
}

constexpr std::size_t aligned(std::size_t offset, std::size_t alignment) {
  return (offset + alignment - 1) / alignment * alignment;
}

// The parts cleared below, in their order, are the whole workspace: a part
// added to it must be added here too.
#define KMT_PART_FOLLOWS(before, Before, after, After) \
  (offsetof(Workspace, after) == aligned(offsetof(Workspace, before) + sizeof(Before), alignof(After)))
static_assert(offsetof(Workspace, run) == 0 && KMT_PART_FOLLOWS(run, RunPart, reading, ReadingPart) &&
                  KMT_PART_FOLLOWS(reading, ReadingPart, decoding, DecodingPart) &&
                  KMT_PART_FOLLOWS(decoding, DecodingPart, patterns, PatternPart) &&
                  KMT_PART_FOLLOWS(patterns, PatternPart, normalisation, NormalisationPart) &&
                  KMT_PART_FOLLOWS(normalisation, NormalisationPart, matching, MatchingPart) &&
                  KMT_PART_FOLLOWS(matching, MatchingPart, records, RecordsPart) &&
                  KMT_PART_FOLLOWS(records, RecordsPart, tracking, TrackingPart) &&
                  KMT_PART_FOLLOWS(tracking, TrackingPart, building, BuildingPart) &&
                  KMT_PART_FOLLOWS(building, BuildingPart, composition, CompositionPart) &&
                  KMT_PART_FOLLOWS(composition, CompositionPart, writing, WritingPart) &&
                  KMT_PART_FOLLOWS(writing, WritingPart, view, ViewPart) &&
                  sizeof(Workspace) == aligned(offsetof(Workspace, view) + sizeof(ViewPart), alignof(Workspace)),
              "a part of the workspace that clear_workspace_for_next_run does not know");
#undef KMT_PART_FOLLOWS

// Clears the workspace's state for the next run, as the process start
// leaves it: every part but the tables at its end, which a run writes
// before it reads (a scalar added after a part's first table would need a
// cut of its own).
void clear_workspace_for_next_run() {
  const auto clear = [](auto& part, std::size_t state_bytes) { std::memset(static_cast<void*>(&part), 0, state_bytes); };
  clear(ws.run, sizeof ws.run);
  clear(ws.reading, offsetof(ReadingPart, read_buffer));
  clear(ws.decoding, sizeof ws.decoding);
  clear(ws.patterns, sizeof ws.patterns);
  clear(ws.normalisation, sizeof ws.normalisation);
  clear(ws.matching, offsetof(MatchingPart, row_buckets));
  clear(ws.records, offsetof(RecordsPart, statement_table));
  clear(ws.tracking, offsetof(TrackingPart, label_stack));
  clear(ws.building, offsetof(BuildingPart, closing_rows));
  clear(ws.composition, offsetof(CompositionPart, row_widths));
  clear(ws.writing, offsetof(WritingPart, write_buffer));
  clear(ws.view, offsetof(ViewPart, warnings));
}

bool read_index(int descriptor, std::uint32_t& index) {
  std::size_t got = 0;
  while (got < sizeof index) {
    const ssize_t n = read(descriptor, reinterpret_cast<char*>(&index) + got, sizeof index - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    got += static_cast<std::size_t>(n);
  }
  return true;
}

// A worker converts the jobs whose numbers it is sent, one after another,
// until its command pipe closes.  After each it reports the outcome and
// clears the workspace; a fatal problem ends the worker with its file.
[[noreturn]] void serve_jobs(const CliOptions& options, const std::vector<TreeJob>& jobs, int commands, int reports) {
  signal(SIGPIPE, SIG_DFL);
  report_descriptor = reports;
  set_message_sink(send_line);
  set_before_fatal_exit(send_fatal_end);
  prefer_large_workspace_pages();
  for (std::uint32_t index = 0; read_index(commands, index) && index < jobs.size();) {
    const int status = convert_file(options, jobs[index].source, jobs[index].chart);
    send_warning_count();
    send_units();
    send_record(kRecordDone, std::to_string(status));
    send_pending_records();
    clear_workspace_for_next_run();
  }
  std::fflush(nullptr);
  _exit(0);
}

// ---- The parent's side ----

struct FileOutcome {
  bool written = false;
  bool warned_strict = false;  // status 3 with --strict
  unsigned warnings = 0;
  std::vector<std::string> units;
  std::string lines;
};

constexpr std::size_t kNoJob = static_cast<std::size_t>(-1);

struct Worker {
  pid_t pid = -1;
  int commands = -1;  // job numbers to the worker
  int reports = -1;   // records from it
  std::size_t job = kNoJob;
  std::string received;  // bytes of records not yet complete
  FileOutcome outcome;   // of the job, so far
};

bool make_folders(const std::string& path) {
  std::size_t at = 0;
  while (at != std::string::npos) {
    at = path.find('/', at + 1);
    const std::string prefix = path.substr(0, at);
    if (prefix.empty() || mkdir(prefix.c_str(), 0777) == 0 || errno == EEXIST) continue;
    return false;
  }
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The Open File message of the one-file program, for a chart refused before
// its conversion starts.
std::string chart_refusal(const TreeJob& job, const std::string& reason) {
  return job.source + ": " + kTitleOpenFile + ": " + kTextChartNotCreated + " (chart " + job.chart + ": " + reason +
         ")\n";
}

bool identity(const std::string& path, FileIdentity& found) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return false;
  found = FileIdentity{status.st_dev, status.st_ino};
  return true;
}

// Every source's chart path under the output folder; a path another source
// (or the index) already takes, or that names one of the sources, is refused.
using SourceFiles = std::map<FileIdentity, std::string>;

SourceFiles source_files_of(const std::vector<TreeSource>& sources) {
  SourceFiles source_files;
  for (const TreeSource& source : sources) {
    FileIdentity found;
    if (identity(source.source, found)) source_files.emplace(found, source.source);
  }
  return source_files;
}

// The source a path names, or null.
const std::string* source_named(const SourceFiles& source_files, const std::string& path) {
  FileIdentity found;
  if (!identity(path, found)) return nullptr;
  const auto source = source_files.find(found);
  return source == source_files.end() ? nullptr : &source->second;
}

std::vector<TreeJob> plan_jobs(const CliOptions& options, const std::vector<TreeSource>& sources,
                               const SourceFiles& source_files, const std::string& index_path) {
  const char* extension = chart_extension(options.view.format);
  std::map<std::string, std::string> taken{{index_path, "the index"}};
  std::vector<TreeJob> jobs;
  for (const TreeSource& source : sources) {
    TreeJob job{source.source, join_path(options.output_dir, source.relative + extension),
                source.relative + extension, ""};
    const auto [claim, fresh] = taken.emplace(job.chart, job.source);
    if (!fresh) {
      job.refusal = chart_refusal(job, "it is the chart of " + claim->second + " already");
    } else if (const std::string* source = source_named(source_files, job.chart)) {
      job.refusal = chart_refusal(job, "the chart would replace the source file " + *source);
    }
    jobs.push_back(job);
  }
  return jobs;
}

// Takes one whole record off the front of `received` into the outcome;
// false when no whole record is there.  A done record sets `done`.
bool take_record(std::string& received, FileOutcome& outcome, bool& done) {
  if (received.size() < 5) return false;
  std::uint32_t length = 0;
  std::memcpy(&length, received.data() + 1, sizeof length);
  if (received.size() < 5 + std::size_t{length}) return false;
  const char kind = received[0];
  const std::string bytes = received.substr(5, length);
  received.erase(0, 5 + std::size_t{length});
  if (kind == kRecordLine) outcome.lines += bytes;
  if (kind == kRecordWarnings) outcome.warnings = static_cast<unsigned>(std::stoul(bytes));
  if (kind == kRecordUnit) outcome.units.push_back(bytes);
  if (kind == kRecordDone) {
    const int status = std::stoi(bytes);
    outcome.written = status == kStatusConverted || status == kStatusWarned;
    outcome.warned_strict = status == kStatusWarned;
    done = true;
  }
  return true;
}

class TreeRunner {
 public:
  TreeRunner(const CliOptions& options, const std::vector<TreeJob>& jobs, TreeProgress& progress)
      : options_(options), jobs_(jobs), progress_(progress), outcomes_(jobs.size()) {}

  std::vector<FileOutcome> run() {
    const std::size_t most = options_.jobs != 0 ? options_.jobs : processors();
    while (next_ < jobs_.size() || busy() > 0) {
      while (next_ < jobs_.size() && hand_out(most)) ++next_;
      if (busy() > 0) wait_for_workers();
    }
    for (Worker& worker : workers_) close(worker.commands);  // idle workers end on it
    for (Worker& worker : workers_) end_worker(worker);
    return std::move(outcomes_);
  }

 private:
  // The processors this process may run on (taskset, containers), else all online.
  static unsigned processors() {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0 && CPU_COUNT(&allowed) > 0) {
      return static_cast<unsigned>(CPU_COUNT(&allowed));
    }
    const long count = sysconf(_SC_NPROCESSORS_ONLN);
    return count > 0 ? static_cast<unsigned>(count) : 1;
  }

  std::size_t busy() const {
    std::size_t count = 0;
    for (const Worker& worker : workers_) count += worker.job != kNoJob ? 1 : 0;
    return count;
  }

  // Gives the next job to an idle worker, starting one when fewer than
  // `most` run; finishes it at once when it is refused or no worker can be
  // had.  False when it must wait for a worker to be free.
  bool hand_out(std::size_t most) {
    const TreeJob& job = jobs_[next_];
    if (!job.refusal.empty()) {
      progress_.started(job.source);
      finish(next_, FileOutcome{false, false, 0, {}, job.refusal});
      return true;
    }
    Worker* idle = nullptr;
    for (Worker& worker : workers_) {
      if (worker.job == kNoJob) idle = &worker;
    }
    if (idle == nullptr) {
      if (workers_.size() >= most) return false;
      if (!start_worker()) return no_worker();
      idle = &workers_.back();
    }
    // When it fails, the conversion says why the chart cannot be created.
    const std::string folder = folder_of(job.chart);
    if (folder != folder_made_) folder_made_ = make_folders(folder) ? folder : std::string();
    const std::uint32_t number = static_cast<std::uint32_t>(next_);
    idle->job = next_;
    idle->outcome = FileOutcome{};
    progress_.started(job.source);
    // A worker that has ended already shows as the end of its reports.
    write_all(idle->commands, std::string(reinterpret_cast<const char*>(&number), sizeof number));
    return true;
  }

  bool start_worker() {
    int commands[2];
    int reports[2];
    if (pipe(commands) != 0) return false;
    if (pipe(reports) != 0) {
      const int reason = errno;
      close(commands[0]);
      close(commands[1]);
      errno = reason;
      return false;
    }
    std::fflush(nullptr);  // nothing buffered is written twice by the worker's exit
    const pid_t pid = fork();
    if (pid == 0) {
      close(commands[1]);
      close(reports[0]);
      for (const Worker& worker : workers_) {
        close(worker.commands);
        close(worker.reports);
      }
      serve_jobs(options_, jobs_, commands[0], reports[1]);
    }
    const int reason = errno;
    close(commands[0]);
    close(reports[1]);
    if (pid < 0) {
      close(commands[1]);
      close(reports[0]);
      errno = reason;
      return false;
    }
    workers_.push_back(Worker{pid, commands[1], reports[0], kNoJob, {}, {}});
    return true;
  }

  // No process or pipe for a worker: the job waits when the system may have
  // room again once a running worker is done, else it fails.
  bool no_worker() {
    const bool for_now = errno == EAGAIN || errno == EMFILE || errno == ENFILE || errno == ENOMEM;
    if (for_now && busy() > 0) return false;
    progress_.started(jobs_[next_].source);
    finish(next_, FileOutcome{false, false, 0, {}, jobs_[next_].source + ": no worker (" + std::strerror(errno) + ")\n"});
    return true;
  }

  void wait_for_workers() {
    std::vector<pollfd> waiting;
    for (const Worker& worker : workers_) waiting.push_back(pollfd{worker.reports, POLLIN, 0});
    if (poll(waiting.data(), waiting.size(), -1) < 0) return;  // interrupted: poll again
    for (std::size_t i = workers_.size(); i-- > 0;) {
      if (waiting[i].revents == 0) continue;
      if (!receive(workers_[i])) {
        close(workers_[i].commands);
        end_worker(workers_[i]);
        workers_.erase(workers_.begin() + static_cast<std::ptrdiff_t>(i));
      }
    }
  }

  // Reads what the worker sent and finishes its job once it is done; false
  // once the worker has closed its end.
  bool receive(Worker& worker) {
    char buffer[65536];
    const ssize_t n = read(worker.reports, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) return true;
    if (n <= 0) return false;
    worker.received.append(buffer, static_cast<std::size_t>(n));
    bool done = false;
    while (take_record(worker.received, worker.outcome, done)) {
      if (!done) continue;
      finish(worker.job, std::move(worker.outcome));
      worker.job = kNoJob;
      worker.outcome = FileOutcome{};
      done = false;
    }
    return true;
  }

  // Waits for the worker's end; a job it had is over with it: after a fatal
  // message (status 1) or, when it was killed, with a line that says so.
  void end_worker(Worker& worker) {
    char buffer[65536];
    for (ssize_t n; (n = read(worker.reports, buffer, sizeof buffer)) != 0;) {
      if (n < 0 && errno != EINTR) break;
      if (n > 0) worker.received.append(buffer, static_cast<std::size_t>(n));
    }
    close(worker.reports);
    int wait_status = 0;
    while (waitpid(worker.pid, &wait_status, 0) < 0 && errno == EINTR) {
    }
    if (worker.job == kNoJob) return;
    bool done = false;
    while (take_record(worker.received, worker.outcome, done)) {
    }
    FileOutcome& outcome = worker.outcome;
    if (!done && !WIFEXITED(wait_status)) {
      outcome.lines += jobs_[worker.job].source + ": the conversion ended abnormally (signal " +
                       std::to_string(WIFSIGNALED(wait_status) ? WTERMSIG(wait_status) : 0) + ")\n";
    }
    finish(worker.job, std::move(outcome));
    worker.job = kNoJob;
  }

  void finish(std::size_t index, FileOutcome outcome) {
    progress_.print(outcome.lines);
    progress_.finished();
    outcomes_[index] = std::move(outcome);
  }

  const CliOptions& options_;
  const std::vector<TreeJob>& jobs_;
  TreeProgress& progress_;
  std::vector<FileOutcome> outcomes_;
  std::vector<Worker> workers_;
  std::size_t next_ = 0;
  std::string folder_made_;  // the folder of the last chart, made already
};

std::vector<IndexEntry> index_entries(const std::vector<TreeJob>& jobs, const std::vector<FileOutcome>& outcomes) {
  std::vector<IndexEntry> entries;
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    entries.push_back(IndexEntry{jobs[i].chart_relative, jobs[i].source, outcomes[i].written, outcomes[i].warnings,
                                 outcomes[i].units});
  }
  return entries;
}

bool write_index(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

std::string plural(unsigned count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string summary_line(const IndexTotals& totals, unsigned unreadable) {
  std::string line = plural(totals.files, "file", "files") + ": " +
                     plural(totals.written, "chart written", "charts written") + ", " +
                     std::to_string(totals.with_warnings) + " with warnings, " + std::to_string(totals.failed) +
                     " failed";
  if (unreadable > 0) line += ", " + plural(unreadable, "path not read", "paths not read");
  return line + "\n";
}

}  // namespace

int convert_tree(const CliOptions& options) {
  signal(SIGPIPE, SIG_IGN);  // a worker gone early must not end the run
  FileIdentity output_folder;
  if (!make_folders(options.output_dir) || !identity(options.output_dir, output_folder)) {
    const std::string line =
        options.output_dir + ": the output folder cannot be created (" + std::strerror(errno) + ")\n";
    write_all(STDERR_FILENO, line);
    return kStatusFailed;
  }
  const TreeWalk walk = walk_paths(options.operands, output_folder);
  const bool html = options.view.format == ChartFormat::kHtml;
  const std::string index_path = join_path(options.output_dir, html ? "index.html" : "index.txt");
  const SourceFiles source_files = source_files_of(walk.sources);
  const std::vector<TreeJob> jobs = plan_jobs(options, walk.sources, source_files, index_path);

  TreeProgress progress(!options.quiet && isatty(STDERR_FILENO) == 1, static_cast<unsigned>(jobs.size()));
  std::string walk_lines;
  for (const std::string& line : walk.messages) walk_lines += line;
  progress.print(walk_lines);
  const std::vector<FileOutcome> outcomes = TreeRunner(options, jobs, progress).run();
  progress.clear();

  const std::vector<IndexEntry> entries = index_entries(jobs, outcomes);
  bool index_written = false;
  if (const std::string* source = source_named(source_files, index_path)) {
    write_all(STDERR_FILENO, index_path + ": the index is not written (it would replace the source file " + *source + ")\n");
  } else if (!(index_written = write_index(index_path, html ? index_html(entries) : index_text(entries)))) {
    write_all(STDERR_FILENO, index_path + ": the index cannot be written (" + std::strerror(errno) + ")\n");
  }
  const IndexTotals totals = count_entries(entries);
  if (!options.quiet) write_all(STDERR_FILENO, summary_line(totals, walk.unreadable));
  if (totals.failed > 0 || walk.unreadable > 0 || !index_written) return kStatusFailed;
  bool strict_warned = false;
  for (const FileOutcome& outcome : outcomes) strict_warned = strict_warned || outcome.warned_strict;
  return strict_warned ? kStatusWarned : kStatusConverted;
}
