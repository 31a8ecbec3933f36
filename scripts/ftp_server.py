#!/usr/bin/python3
"""A local FTP server for the demo and the tests (pyftpdlib).

Listens on 127.0.0.1 (or --host) (port 0 picks a free one) and prints "PORT <n>" on its
first line of standard output once it accepts connections, so a caller can
start it and wait for that line. Ends when standard input closes or on SIGTERM.
"""
import argparse
import os
import signal
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def setup_tls(handler, args):
    from OpenSSL import SSL
    from pyftpdlib.handlers import TLS_DTPHandler

    context = SSL.Context(SSL.TLS_METHOD)
    context.use_certificate_chain_file(args.tls)
    context.use_privatekey_file(args.tls)
    # Session ids resume only within a named context.
    context.set_session_id(b"korvante-test")
    handler.ssl_context = context
    handler.tls_control_required = args.tls_required
    handler.tls_data_required = args.tls_required
    if args.require_reuse:
        class ReusingData(TLS_DTPHandler):
            def handle_ssl_established(self):
                if not SSL._lib.SSL_session_reused(self.socket._ssl):
                    self.cmd_channel.respond(
                        "522 Data connection must reuse the TLS session.")
                    self.close()
                    return
                super().handle_ssl_established()

        handler.dtp_handler = ReusingData


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--root", required=True)
    ap.add_argument("--port", type=int, default=0)
    ap.add_argument("--user", action="append", default=[],
                    help="name:password, may be repeated")
    ap.add_argument("--anonymous", action="store_true")
    ap.add_argument("--watch-stdin", action="store_true",
                    help="stop when standard input reaches its end")
    ap.add_argument("--encoding", default="utf8")
    ap.add_argument("--refuse-size", action="store_true",
                    help="answer SIZE with 550, as some servers do")
    ap.add_argument("--listing-bytes", type=int, default=0,
                    help="answer NLST with this many bare line ends (a huge listing)")
    ap.add_argument("--host", default="127.0.0.1",
                    help="address to listen on (::1 for IPv6 loopback)")
    ap.add_argument("--no-feat", action="store_true",
                    help="answer FEAT with 500, as servers of RFC 959 alone do")
    ap.add_argument("--send-rate", type=int, default=0,
                    help="bytes per second the data connections send at most")
    ap.add_argument("--tls", metavar="PEM",
                    help="offer FTP over TLS with this certificate and key (one file)")
    ap.add_argument("--tls-required", action="store_true",
                    help="refuse the login and data connections without TLS")
    ap.add_argument("--implicit", action="store_true",
                    help="TLS from the first byte (implicit FTPS)")
    ap.add_argument("--require-reuse", action="store_true",
                    help="refuse a TLS data connection that does not resume the session")
    ap.add_argument("--hostile-tls", metavar="SCENARIO",
                    help="instead of pyftpdlib, the scripted TLS server of tls_fake_server.py")
    args = ap.parse_args()
    if args.hostile_tls:
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        import tls_fake_server
        tls_fake_server.run(args.tls, args.hostile_tls)
        return

    root = os.path.abspath(args.root)
    auth = DummyAuthorizer()
    for spec in args.user:
        name, _, password = spec.partition(":")
        auth.add_user(name, password, root, perm="elradfmwMT")
    if args.anonymous:
        auth.add_anonymous(root, perm="elr")

    base = FTPHandler
    if args.tls:
        from pyftpdlib.handlers import TLS_FTPHandler
        base = TLS_FTPHandler

    class Handler(base):
        if args.implicit:
            def handle(self):
                self.secure_connection(self.ssl_context)
                super().handle()
        if args.refuse_size:
            def ftp_SIZE(self, path):
                self.respond("550 SIZE not allowed on this server.")
        if args.no_feat:
            def ftp_FEAT(self, line=None):
                self.respond('500 Command "FEAT" not understood.')
        if args.listing_bytes:
            def ftp_NLST(self, path):
                self.push_dtp_data(b"\n" * args.listing_bytes, isproducer=False, cmd="NLST")

    Handler.authorizer = auth
    Handler.encoding = args.encoding
    Handler.banner = "KORVANTE test server ready."
    Handler.permit_foreign_addresses = False
    Handler.passive_ports = None
    if args.send_rate > 0:
        class SlowData(ThrottledDTPHandler):
            write_limit = args.send_rate

        Handler.dtp_handler = SlowData
    if args.tls:
        setup_tls(Handler, args)

    import logging
    logging.basicConfig(level=logging.CRITICAL)

    server = FTPServer((args.host, args.port), Handler)
    server.max_cons = 64
    port = server.socket.getsockname()[1]
    sys.stdout.write("PORT %d\n" % port)
    sys.stdout.flush()

    def stop(*_):
        server.close_all()
        os._exit(0)

    signal.signal(signal.SIGTERM, stop)
    if args.watch_stdin:
        def watch():
            sys.stdin.read()
            stop()
        threading.Thread(target=watch, daemon=True).start()
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
