"""A scripted FTP-over-TLS server for the cases no real server shows on purpose.

Speaks just enough explicit FTPS (AUTH TLS, PBSZ, PROT, PASV, RETR) with Python's
own ssl module, for one client, and misbehaves as the scenario says:

  short-download  RETR announces 1000 bytes, sends 400 over TLS and closes the data
                  connection without a close-notify, then answers 226
  prot-refused    PROT P is answered with 534
"""
import socket
import ssl
import sys


def serve(listener, pem, scenario):
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(pem)
    conn, _ = listener.accept()
    stream = conn

    def reply(text):
        stream.sendall((text + "\r\n").encode())

    def read_line():
        data = b""
        while not data.endswith(b"\n"):
            chunk = stream.recv(1)
            if not chunk:
                return None
            data += chunk
        return data.decode().strip()

    reply("220 scripted TLS server")
    data_listener = None
    while True:
        line = read_line()
        if line is None:
            return
        verb = line.split(" ")[0].upper()
        if verb == "AUTH":
            reply("234 AUTH TLS ok")
            stream = context.wrap_socket(conn, server_side=True)
        elif verb == "USER":
            reply("331 password please")
        elif verb == "PASS":
            reply("230 logged in")
        elif verb == "PROT" and scenario == "prot-refused":
            reply("534 PROT P not allowed here")
        elif verb in ("PBSZ", "PROT", "TYPE"):
            reply("200 ok")
        elif verb == "SYST":
            reply("215 UNIX Type: L8")
        elif verb == "PASV":
            data_listener = socket.socket()
            data_listener.bind(("127.0.0.1", 0))
            data_listener.listen(1)
            port = data_listener.getsockname()[1]
            reply("227 Entering Passive Mode (127,0,0,1,%d,%d)." % (port >> 8, port & 255))
        elif verb == "RETR":
            data, _ = data_listener.accept()
            reply("150 Opening data connection for file (1000 bytes).")
            secure = context.wrap_socket(data, server_side=True)
            secure.sendall(b"x" * 400)
            # No unwrap(): the connection ends without a close-notify.
            secure.close()
            reply("226 Transfer complete.")
        elif verb == "QUIT":
            reply("221 bye")
            return
        else:
            reply("502 not scripted")


def run(pem, scenario):
    listener = socket.socket()
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(1)
    sys.stdout.write("PORT %d\n" % listener.getsockname()[1])
    sys.stdout.flush()
    try:
        serve(listener, pem, scenario)
    except (OSError, ssl.SSLError):
        pass
