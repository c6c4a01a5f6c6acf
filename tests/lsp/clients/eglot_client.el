;;; eglot_client.el --- Emacs's eglot against the language server, headless  -*- lexical-binding: t -*-
;;
;;   emacs --batch -Q -l eglot_client.el
;;
;; with TYPETOOLS_LSP (the server), TYPETOOLS_SAMPLES (the editor samples)
;; and TYPETOOLS_EMACS (the project's Emacs modes) in the environment.  Each
;; broken sample, in its mode, must get the server's diagnostic at its line
;; through Flymake; Emacs then exits with status 0, else 1.

(require 'package)
;; Where Debian's elpa-eglot is, which -Q leaves out.
(add-to-list 'package-directory-list "/usr/share/emacs/site-lisp/elpa")
(package-initialize)
(require 'eglot)
(add-to-list 'load-path (getenv "TYPETOOLS_EMACS"))
(require 'vastor-mode)
(require 'perlan-mode)

(defvar typetools-server (getenv "TYPETOOLS_LSP"))
(defvar typetools-samples (file-name-as-directory (getenv "TYPETOOLS_SAMPLES")))
(defvar typetools-failures nil)

(defun typetools-check (file mode line message)
  "Open FILE in MODE under eglot and expect one diagnostic at LINE saying MESSAGE."
  (find-file (expand-file-name file typetools-samples))
  (funcall mode)
  ;; The project the buffer is in, as eglot finds it: a server of another one would not manage it.
  (eglot (list mode) (or (project-current) `(transient . ,default-directory)) 'eglot-lsp-server
         (list typetools-server) (string-remove-suffix "-mode" (symbol-name mode)))
  (flymake-start)
  (with-timeout (30 (push (format "%s: no diagnostic came" file) typetools-failures))
    (while (null (flymake-diagnostics))
      (accept-process-output nil 0.05)))
  (let ((found (flymake-diagnostics)))
    (when found
      (let* ((diagnostic (car found))
             (at (line-number-at-pos (flymake-diagnostic-beg diagnostic)))
             (text (flymake-diagnostic-text diagnostic)))
        (unless (and (= (length found) 1) (= at line) (string-match-p (regexp-quote message) text))
          (push (format "%s: %d diagnostics, line %d: %s" file (length found) at text) typetools-failures))))))

(setq eglot-sync-connect t)
(typetools-check "broken.spec" 'vastor-mode 5
                 "Semantic error( line 5 ):method int f () have alreadey been overriden in class int")
(typetools-check "broken.yt" 'perlan-mode 2 "Syntax error( line 2 ):2st section was expected")
(ignore-errors (eglot-shutdown-all))
(if typetools-failures
    (progn (message "%s" (mapconcat #'identity (reverse typetools-failures) "\n"))
           (kill-emacs 1))
  (message "eglot: the diagnostics came at their lines")
  (kill-emacs 0))
