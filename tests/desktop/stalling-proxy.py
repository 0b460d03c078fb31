#!/usr/bin/env python3
"""A sound server that stalls once it has answered a connection: on the first
connection to LISTEN_SOCKET, the real server at SERVER_SOCKET is passed the
client's requests and the client the server's first two answers (its
authentication and its name, which ready the connection) and nothing after;
every later connection is accepted and never answered. Each connection is told
on stdout.

Usage: stalling-proxy.py LISTEN_SOCKET SERVER_SOCKET"""
import socket
import sys
import threading


def pass_on(source, sink, answers=-1):
    """What comes from source goes on to sink: all of it, or `answers` reads."""
    try:
        while answers != 0 and (data := source.recv(65536)):
            sink.sendall(data)
            answers -= 1
        if answers < 0:
            sink.shutdown(socket.SHUT_WR)
    except OSError:
        pass


listen_path, server_path = sys.argv[1:3]
listener = socket.socket(socket.AF_UNIX)
listener.bind(listen_path)
listener.listen(16)
print("listening", flush=True)
client, _ = listener.accept()
print("connection", flush=True)
server = socket.socket(socket.AF_UNIX)
server.connect(server_path)
for ends in ((client, server), (server, client, 2)):
    threading.Thread(target=pass_on, args=ends, daemon=True).start()
stalled = []
while True:
    stalled.append(listener.accept()[0])
    print("connection", flush=True)
