#!/usr/bin/env python3
"""A results site for tests: HTTPS on 127.0.0.1, answering the month search form.

  results_site.py --pages DIR --cert CERT --key KEY --control FILE --log FILE

Prints two lines on stdout once it listens: the site's port, then the port of a CONNECT proxy
that tunnels to 127.0.0.1 only. Stops when stdin closes, on SIGTERM, or after --lifetime seconds.

POST /canada/keno-results must carry the five form fields data_r, tryb, data_m, ig, sb in that
order (sb is the ten characters '" Search "') and the headers Accept "text/html, */*" and
User-Agent "Mozilla/3.0 (compatible; Indy Library)"; otherwise the answer is 400. The answer is
the page <ig>-<yyyy>-<mm>.html from the pages folder, or an empty page when there is none.
Answers to requests without the cookie session=numora-test set it.

The control file (JSON, re-read for every request; missing or empty = normal service):
  {"fail": ["2023-05"]}                    500 for these months
  {"redirect": {"status": 307, "count": 3}} redirect this many times first (-1: endlessly)
  {"stall": {"seconds": 4}}                headers and half the body, then a pause
  {"trickle": {"chunks": 5, "interval": 0.4}}  the body in pieces with pauses between them
  {"empty": true}                          200 with an empty body
  {"cut": {"fraction": 0.5}}               no length, this part of the body, then the connection
                                           closed without a TLS close_notify
  {"endless": true}                        no length, and body bytes until the client gives up
  {"drip": {"interval": 3}}                no length, one byte of the body per interval, for ever

Every request adds a tab-separated line to the log file:
  REQ method status ig year month cookie(0/1) field-names(comma-separated) hop reason
and every tunnel of the proxy a line:
  CONNECT target status
"""

import argparse
import json
import os
import re
import select
import signal
import socket
import socketserver
import ssl
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

PATH = "/canada/keno-results"
FIELDS = ["data_r", "tryb", "data_m", "ig", "sb"]
SEARCH = b'" Search "'
ACCEPT = "text/html, */*"
USER_AGENT = "Mozilla/3.0 (compatible; Indy Library)"
COOKIE = "session=numora-test"
PAGE_NAMES = {"Keno Atlantic": "kenoatlantic", "dailykeno-numbers": "dailykeno"}
MAX_SLEEP = 8.0  # no pause of the site lasts longer
MAX_HOPS = 50  # an endless redirect still ends on the site's side
MAX_ENDLESS = 256 * 1024 * 1024  # an endless body still ends on the site's side
MAX_DRIP_SECONDS = 120.0
SOCKET_TIMEOUT = 10.0

log_lock = threading.Lock()


def write_log(path, columns):
    line = "\t".join(re.sub(r"[\t\r\n]", " ", str(c)) for c in columns) + "\n"
    with log_lock, open(path, "a", encoding="utf-8") as log:
        log.write(line)


def read_control(path):
    try:
        with open(path, encoding="utf-8") as control:
            text = control.read()
        return json.loads(text) if text.strip() else {}
    except FileNotFoundError:
        return {}


def parse_multipart(content_type, body):
    """Returns [(name, value bytes)] in body order, or raises ValueError."""
    match = re.match(r'multipart/form-data\s*;.*boundary="?([^";]+)"?', content_type or "", re.I)
    if not match:
        raise ValueError("not multipart/form-data: %r" % content_type)
    delimiter = b"--" + match.group(1).encode("latin-1")
    chunks = body.split(delimiter)
    if len(chunks) < 3 or not chunks[-1].startswith(b"--"):
        raise ValueError("multipart body without its closing boundary")
    fields = []
    for chunk in chunks[1:-1]:
        if not chunk.startswith(b"\r\n") or not chunk.endswith(b"\r\n"):
            raise ValueError("malformed multipart part")
        head, separator, value = chunk[2:-2].partition(b"\r\n\r\n")
        if not separator:
            raise ValueError("multipart part without a blank line after its headers")
        name = re.search(rb'content-disposition:\s*form-data;\s*name="([^"]*)"', head, re.I)
        if not name:
            raise ValueError("multipart part without a form-data name")
        fields.append((name.group(1).decode("latin-1"), value))
    return fields


class SiteHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    timeout = SOCKET_TIMEOUT

    def log_message(self, format, *args):
        pass  # the log file is the record

    def do_GET(self):
        self.answer_search(post=False)

    def do_POST(self):
        self.answer_search(post=True)

    def answer_search(self, post):
        url = urllib.parse.urlsplit(self.path)
        query = dict(urllib.parse.parse_qsl(url.query))
        hop = int(query.get("hop", "0")) if query.get("hop", "0").isdigit() else 0
        cookie = COOKIE in [c.strip() for c in self.headers.get("Cookie", "").split(";")]
        body = self.rfile.read(int(self.headers.get("Content-Length") or 0)) if post else b""
        entry = {"method": self.command, "hop": hop, "cookie": cookie, "names": [],
                 "ig": query.get("ig", ""), "year": query.get("data_r", ""),
                 "month": query.get("data_m", "")}

        reason = self.check(url, post, query, body, entry)
        if reason:
            return self.finish_answer(entry, 400, b"", reason)
        control = read_control(self.server.control)
        redirect = control.get("redirect")
        if redirect and (redirect.get("count", 0) < 0 or hop < redirect["count"]):
            if hop >= MAX_HOPS:
                return self.finish_answer(entry, 508, b"", "too many hops")
            target = urllib.parse.urlencode({"hop": hop + 1, "ig": entry["ig"],
                                             "data_r": entry["year"],
                                             "data_m": entry["month"]})
            return self.finish_answer(entry, int(redirect.get("status", 302)), b"", "redirect",
                                      location=PATH + "?" + target)
        month = "%s-%02d" % (entry["year"], int(entry["month"]))
        if month in control.get("fail", []):
            return self.finish_answer(entry, 500, b"", "fail")
        name = "%s-%s.html" % (PAGE_NAMES[entry["ig"]], month)
        try:
            with open(os.path.join(self.server.pages, name), "rb") as page:
                content = page.read()
        except FileNotFoundError:
            content = b""
        if control.get("empty"):
            content = b""
        for fault in ("cut", "endless", "drip"):
            if fault in control:
                return self.answer_without_length(entry, content, fault, control[fault])
        self.finish_answer(entry, 200, content, "", control=control)

    def answer_without_length(self, entry, content, fault, settings):
        """A 200 whose body has no length and ends as the fault says."""
        write_log(self.server.log, ["REQ", entry["method"], 200, entry["ig"], entry["year"],
                                    entry["month"], int(entry["cookie"]),
                                    ",".join(entry["names"]), entry["hop"], fault])
        self.close_connection = True
        self.send_response(200)
        if not entry["cookie"]:
            self.send_header("Set-Cookie", COOKIE + "; Path=/")
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Connection", "close")
        self.end_headers()
        try:
            if fault == "cut":
                self.wfile.write(content[: int(len(content) * float(settings.get("fraction", 0.5)))])
                self.wfile.flush()
                # SSLSocket.shutdown drops the TLS layer first: no close_notify is sent.
                self.connection.shutdown(socket.SHUT_RDWR)
            elif fault == "endless":
                chunk = content or b"<p>results</p>\n" * 4096
                sent = 0
                while sent < MAX_ENDLESS:
                    self.wfile.write(chunk)
                    sent += len(chunk)
            else:
                interval = min(float(settings.get("interval", 3)), MAX_SLEEP)
                started = time.monotonic()
                for byte in (content or b" " * 1000):
                    self.wfile.write(bytes([byte]))
                    self.wfile.flush()
                    if time.monotonic() - started > MAX_DRIP_SECONDS:
                        break
                    time.sleep(interval)
        except OSError:
            pass  # the client gave up

    def check(self, url, post, query, body, entry):
        """Fills in the entry; returns why the request is refused, or ""."""
        if url.path != PATH:
            return "unknown path %s" % url.path
        if self.headers.get("Accept") != ACCEPT:
            return "Accept header %r" % self.headers.get("Accept")
        if self.headers.get("User-Agent") != USER_AGENT:
            return "User-Agent header %r" % self.headers.get("User-Agent")
        if post:
            try:
                fields = parse_multipart(self.headers.get("Content-Type"), body)
            except ValueError as error:
                return str(error)
            entry["names"] = [name for name, _ in fields]
            values = dict(fields)
            if entry["names"] != FIELDS:
                return "fields %s" % ",".join(entry["names"])
            if values["sb"] != SEARCH:
                return "sb %r" % values["sb"]
            if values["tryb"] != b"xmiesiac":
                return "tryb %r" % values["tryb"]
            entry["ig"] = values["ig"].decode("latin-1")
            entry["year"] = values["data_r"].decode("latin-1")
            entry["month"] = values["data_m"].decode("latin-1")
        elif "hop" not in query:
            return "GET only after a redirect"
        if entry["ig"] not in PAGE_NAMES:
            return "ig %r" % entry["ig"]
        if not re.fullmatch(r"[0-9]{4}", entry["year"]):
            return "data_r %r" % entry["year"]
        if not re.fullmatch(r"[1-9]|1[0-2]", entry["month"]):
            return "data_m %r" % entry["month"]
        return ""

    def finish_answer(self, entry, status, content, reason, location=None, control=None):
        write_log(self.server.log, ["REQ", entry["method"], status, entry["ig"], entry["year"],
                                    entry["month"], int(entry["cookie"]),
                                    ",".join(entry["names"]), entry["hop"], reason])
        if status == 400:
            content = reason.encode("utf-8", "replace")
        self.send_response(status)
        if not entry["cookie"]:
            self.send_header("Set-Cookie", COOKIE + "; Path=/")
        if location:
            self.send_header("Location", location)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(content)))
        self.end_headers()
        control = control or {}
        try:
            if "stall" in control:
                self.wfile.write(content[: len(content) // 2])
                self.wfile.flush()
                time.sleep(min(float(control["stall"].get("seconds", 0)), MAX_SLEEP))
                content = content[len(content) // 2:]
            elif "trickle" in control and content:
                chunks = max(1, int(control["trickle"].get("chunks", 1)))
                interval = min(float(control["trickle"].get("interval", 0)), MAX_SLEEP / chunks)
                size = -(-len(content) // chunks)
                pieces = [content[i:i + size] for i in range(0, len(content), size)]
                for piece in pieces[:-1]:
                    self.wfile.write(piece)
                    self.wfile.flush()
                    time.sleep(interval)
                content = pieces[-1]
            self.wfile.write(content)
            self.wfile.flush()
        except OSError:
            self.close_connection = True  # the client gave up waiting


class TlsSite(ThreadingHTTPServer):
    daemon_threads = True

    def finish_request(self, request, client_address):
        # The handshake runs in the request's own thread, so a silent client blocks nobody.
        request.settimeout(SOCKET_TIMEOUT)
        try:
            tls = self.context.wrap_socket(request, server_side=True)
        except (ssl.SSLError, OSError):
            return  # e.g. the client refused the certificate
        try:
            self.RequestHandlerClass(tls, client_address, self)
        finally:
            tls.close()


class ProxyHandler(socketserver.BaseRequestHandler):
    def handle(self):
        client = self.request
        client.settimeout(SOCKET_TIMEOUT)
        head = b""
        while b"\r\n\r\n" not in head and len(head) < 8192:
            data = client.recv(1024)
            if not data:
                return
            head += data
        method, target = (head.split(b"\r\n", 1)[0].decode("latin-1").split(" ") + ["", ""])[:2]
        host, _, port = target.rpartition(":")
        if method != "CONNECT" or host not in ("127.0.0.1", "localhost") or not port.isdigit():
            write_log(self.server.log, ["CONNECT", target, 403])
            client.sendall(b"HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\n\r\n")
            return
        try:
            upstream = socket.create_connection(("127.0.0.1", int(port)), timeout=SOCKET_TIMEOUT)
        except OSError:
            write_log(self.server.log, ["CONNECT", target, 502])
            client.sendall(b"HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\n\r\n")
            return
        write_log(self.server.log, ["CONNECT", target, 200])
        client.sendall(b"HTTP/1.1 200 Connection established\r\n\r\n")
        with upstream:
            pipes = {client: upstream, upstream: client}
            while True:
                readable, _, _ = select.select(list(pipes), [], [], SOCKET_TIMEOUT)
                if not readable:
                    return
                for source in readable:
                    data = source.recv(65536)
                    if not data:
                        return
                    pipes[source].sendall(data)


class Proxy(socketserver.ThreadingTCPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass  # a tunnel torn down by either side is no fault


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pages", required=True)
    parser.add_argument("--cert", required=True)
    parser.add_argument("--key", required=True)
    parser.add_argument("--control", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--lifetime", type=float, default=300.0)
    args = parser.parse_args()

    site = TlsSite(("127.0.0.1", 0), SiteHandler)
    site.context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    site.context.load_cert_chain(args.cert, args.key)
    site.pages, site.control, site.log = args.pages, args.control, args.log
    proxy = Proxy(("127.0.0.1", 0), ProxyHandler)
    proxy.log = args.log

    stop = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: stop.set())

    def watch_stdin():
        while os.read(sys.stdin.fileno(), 4096):
            pass
        stop.set()

    threading.Thread(target=watch_stdin, daemon=True).start()
    for server in (site, proxy):
        threading.Thread(target=server.serve_forever, args=(0.05,), daemon=True).start()
    print(site.server_address[1], flush=True)
    print(proxy.server_address[1], flush=True)
    stop.wait(args.lifetime)
    for server in (site, proxy):
        server.shutdown()
        server.server_close()
    # Handler threads may still sleep in a stall; they end with the process.
    os._exit(0)


if __name__ == "__main__":
    main()
