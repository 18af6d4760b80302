#include "cli/print_module.h"

#include "qt/report/page_output.h"

extern "C" Q_DECL_EXPORT void omenary_print_through_queue(const omenary::report::Page& page,
                                                          const std::string& printer,
                                                          const QString& documentName, std::string& failure) {
    failure = omenary::qt::PrintThroughQueue(page, printer, documentName);
}

namespace {

class QueuePrintJob final : public omenary::cli::PrintJob {
  public:
    explicit QueuePrintJob(std::unique_ptr<omenary::qt::QueueJob> job) : job_(std::move(job)) {}
    bool Add(const omenary::report::Page& page) override { return job_->Add(page); }
    std::string Finish() override { return job_->Finish(); }

  private:
    std::unique_ptr<omenary::qt::QueueJob> job_;
};

}  // namespace

extern "C" Q_DECL_EXPORT omenary::cli::PrintJob* omenary_open_print_job(const std::string& printer,
                                                                        const QString& documentName,
                                                                        std::string& failure) {
    auto job = omenary::qt::QueueJob::Open(printer, documentName, failure);
    return job ? new QueuePrintJob(std::move(job)) : nullptr;
}
