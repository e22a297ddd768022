#pragma once

#include "components/net/WSocket.h"

#include <memory>
#include <string>
#include <vector>

namespace net_test {

// A listening socket that accepts every client into an echoing socket.
class EchoServer {
public:
    EchoServer() {
        listener_.SetAddr("127.0.0.1");
        listener_.SetPort("0");
        listener_.OnSessionAvailable = [this](QObject*, std::uint16_t) {
            auto client = std::make_unique<TCustomWSocket>();
            client->SetLingerOnOff(wsLingerNoSet);
            TCustomWSocket* c = client.get();
            c->OnDataAvailable = [this, c](QObject*, std::uint16_t) {
                const std::string text = c->ReceiveText();
                received += text;
                if (!text.empty()) c->SendText(text);
            };
            c->OnSessionClosed = [this](QObject*, std::uint16_t e) { closedErrors.push_back(e); };
            c->Dup(listener_.Accept());
            clients.push_back(std::move(client));
        };
        listener_.Listen();
    }
    std::string Port() { return listener_.LocalPortText(); }

    TCustomWSocket listener_;
    std::vector<std::unique_ptr<TCustomWSocket>> clients;
    std::string received;
    std::vector<int> closedErrors;
};

} // namespace net_test
