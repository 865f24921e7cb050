// The downloader of the network module: one GET at a time through QNetworkAccessManager, on the
// program's event loop, with a time limit for the whole fetch and a cap on the body.

#include "platform/update_downloader.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <QVariant>

namespace twl {

namespace {

class NetworkUpdateDownloader final : public UpdateDownloader {
public:
    NetworkUpdateDownloader() {
        limit_.setSingleShot(true);
        QObject::connect(&limit_, &QTimer::timeout, &context_, [this] { Finish(false); });
    }
    ~NetworkUpdateDownloader() override { Cancel(); }

    void Fetch(const std::string& address, int timeoutMs, std::size_t maxBytes,
               Done done) override {
        Cancel();
        done_ = std::move(done);
        maxBytes_ = static_cast<qsizetype>(maxBytes);
        body_.clear();
        QNetworkRequest request(QUrl(QString::fromStdString(address)));
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        request.setMaximumRedirectsAllowed(kMaxRedirects);
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        reply_ = manager_.get(request);
        reply_->setReadBufferSize(maxBytes_ + 1);
        QObject::connect(reply_, &QNetworkReply::readyRead, &context_, [this] { TakeBody(); });
        QObject::connect(reply_, &QNetworkReply::finished, &context_,
                         [this] { Finish(Succeeded()); });
        limit_.start(timeoutMs);
    }

    void Cancel() override {
        limit_.stop();
        done_ = nullptr;
        DropReply();
    }

private:
    static constexpr int kMaxRedirects = 5;

    // Takes what has arrived; false once the body is over the cap.
    bool TakeBody() {
        body_ += reply_->readAll();
        if (body_.size() > maxBytes_) {
            Finish(false);
            return false;
        }
        return true;
    }

    bool Succeeded() {
        if (reply_->error() != QNetworkReply::NoError || !TakeBody()) {
            return false;
        }
        const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        return !status.isValid() || (status.toInt() >= 200 && status.toInt() < 300);
    }

    void DropReply() {
        if (reply_ == nullptr) {
            return;
        }
        QNetworkReply* reply = reply_;
        reply_ = nullptr;
        QObject::disconnect(reply, nullptr, &context_, nullptr);
        reply->abort();
        reply->deleteLater();
    }

    // Ends the fetch; done runs last, as it may show a dialog or start the next fetch.
    void Finish(bool succeeded) {
        if (reply_ == nullptr) {
            return;
        }
        limit_.stop();
        DropReply();
        const Done done = std::move(done_);
        done_ = nullptr;
        std::optional<std::string> body;
        if (succeeded) {
            body.emplace(body_.constData(), static_cast<std::size_t>(body_.size()));
        }
        body_.clear();
        if (done) {
            done(std::move(body));
        }
    }

    QObject context_; // receives the reply's and the timer's signals
    QNetworkAccessManager manager_;
    QTimer limit_;
    QNetworkReply* reply_ = nullptr;
    QByteArray body_;
    qsizetype maxBytes_ = 0;
    Done done_;
};

} // namespace

} // namespace twl

extern "C" __attribute__((visibility("default"))) twl::UpdateDownloader*
TwlCreateUpdateDownloader() {
    return new twl::NetworkUpdateDownloader();
}
