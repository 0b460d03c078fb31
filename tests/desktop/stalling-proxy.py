#!/usr/bin/env python3
"""A sound server that stalls after its first answer: the first connection to
LISTEN_SOCKET is passed through to the real server at SERVER_SOCKET, every
later one is accepted and never answered. Each connection is told on stdout.

Usage: stalling-proxy.py LISTEN_SOCKET SERVER_SOCKET"""
import socket
import sys
import threading


def pass_on(source, sink):
    try:
        while data := source.recv(65536):
            sink.sendall(data)
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
for ends in ((client, server), (server, client)):
    threading.Thread(target=pass_on, args=ends, daemon=True).start()
stalled = []
while True:
    stalled.append(listener.accept()[0])
    print("connection", flush=True)
